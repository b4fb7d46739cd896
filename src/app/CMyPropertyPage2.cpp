#include "app/CMyPropertyPage2.h"

#include "app/AppContext.h"

namespace tarvix {

void CMyPropertyPage2::OnInitDialog() { unitsAtOpen_ = App().settings.Units; }

bool CMyPropertyPage2::OnKillActive() {
  App().settings.Units = units;
  return true;
}

void CMyPropertyPage2::OnCancel() { App().settings.Units = unitsAtOpen_; }

}  // namespace tarvix
