#pragma once
#include <array>

#include "app/CMyPropertyPage1.h"
#include "app/CMyPropertyPage2.h"
#include "app/CMyPropertyPage3.h"
#include "platform/UserInterface.h"

namespace tarvix {

// The "Options" sheet: pages "General", "GPR Profiles" and "Markers", OK and Cancel, no Apply.
// A page is created when it is first shown; leaving a page asks it first.
class CMyPropertySheet : public DialogModel {
 public:
  static constexpr const char* kCaption = "Options";
  static constexpr int kPageCount = 3;

  std::string DialogName() const override { return "CMyPropertySheet"; }

  // The sheet is shown on its first page.
  void Open();
  // Moves to another page; false when the page shown refuses to be left.
  bool SelectPage(int index);
  // OK: true when the page shown may be left, and the sheet closes.
  bool PressOk();
  // Cancel, however the sheet was closed: each created page undoes what it applied.
  void OnCancel();

  int ActivePage() const { return active_; }
  std::array<CPropertyPageModel*, kPageCount> Pages() { return {&general, &profiles, &markers}; }

  CMyPropertyPage2 general;
  CMyPropertyPage1 profiles;
  CMyPropertyPage3 markers;

 private:
  void Activate(int index);

  int active_ = -1;
  std::array<bool, kPageCount> created_{};
};

}  // namespace tarvix
