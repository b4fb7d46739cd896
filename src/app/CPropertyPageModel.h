#pragma once
#include <string>

namespace tarvix {

// One page of a property sheet: the values its controls show and the rules applied when the
// page is created, shown, left or cancelled.
class CPropertyPageModel {
 public:
  virtual ~CPropertyPageModel() = default;
  virtual std::string Title() const = 0;
  virtual void OnInitDialog() {}
  virtual void OnSetActive() {}
  // False keeps the sheet on this page.
  virtual bool OnKillActive() { return true; }
  virtual void OnCancel() {}
};

}  // namespace tarvix
