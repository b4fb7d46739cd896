#pragma once
#include <cstdint>

#include "app/CPropertyPageModel.h"

namespace tarvix {

// The "General" options page: units, the site map printout title, the local map coordinate
// system and the coordinate order of DXF files. Its unit takes effect as soon as the page is
// left, so the other pages show lengths in it; Cancel puts the old unit back.
class CMyPropertyPage2 : public CPropertyPageModel {
 public:
  std::string Title() const override { return "General"; }
  void OnInitDialog() override;
  bool OnKillActive() override;
  void OnCancel() override;

  bool IsTitleEditEnabled() const { return titleFlag == 1; }
  bool IsOrientationEnabled() const { return orientationAllowed; }

  std::int32_t units = 0;
  std::int32_t titleFlag = 0;
  std::string titleText;
  std::int32_t orientation = 0;
  std::int32_t coordOrder = 0;
  // Given by the application: a GPS project's map has no local coordinate system to choose.
  bool orientationAllowed = true;

 private:
  std::int32_t unitsAtOpen_ = 0;
};

}  // namespace tarvix
