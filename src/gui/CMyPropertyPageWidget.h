#pragma once
#include <QWidget>

namespace tarvix {

// A page of the Options sheet bound to its model: Load shows the model's values, Store puts the
// controls' values back into it.
class CMyPropertyPageWidget : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;
  virtual void Load() = 0;
  virtual void Store() = 0;
};

}  // namespace tarvix
