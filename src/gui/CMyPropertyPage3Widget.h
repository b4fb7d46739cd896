#pragma once
#include <array>

#include "app/AppSettings.h"
#include "gui/CMyPropertyPageWidget.h"

class QLineEdit;

namespace tarvix {

class CMyPropertyPage3;

// The "Markers" page: the names of the seven editable marker types beside their colours.
class CMyPropertyPage3Widget : public CMyPropertyPageWidget {
  Q_OBJECT
 public:
  CMyPropertyPage3Widget(CMyPropertyPage3& page, QWidget* parent = nullptr);
  void Load() override;
  void Store() override;

  QLineEdit* Swatch(int index) const { return swatches_[static_cast<std::size_t>(index)]; }

 private:
  CMyPropertyPage3& page_;
  std::array<QLineEdit*, kEditableMarkerTypes> names_{};
  std::array<QLineEdit*, kEditableMarkerTypes> swatches_{};
};

}  // namespace tarvix
