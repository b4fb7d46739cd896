#pragma once
#include <QDockWidget>

namespace tarvix {

// The floating "Marker list" bar; the list it holds is set in by the marker list view.
class CMarkerControl : public QDockWidget {
  Q_OBJECT
 public:
  explicit CMarkerControl(QWidget* parent);
};

}  // namespace tarvix
