#pragma once
#include <array>
#include <string>

#include "app/AppSettings.h"
#include "app/CPropertyPageModel.h"
#include "platform/Colour.h"

namespace tarvix {

// The "Markers" options page: the names of the editable marker types, each beside a swatch of
// its colour.
class CMyPropertyPage3 : public CPropertyPageModel {
 public:
  std::string Title() const override { return "Markers"; }
  static Colour SwatchColour(int index);

  std::array<std::string, kEditableMarkerTypes> names;
};

}  // namespace tarvix
