#include "app/CMyPropertySheet.h"

namespace tarvix {

void CMyPropertySheet::Open() {
  created_ = {};
  Activate(0);
}

void CMyPropertySheet::Activate(int index) {
  auto* page = Pages()[static_cast<std::size_t>(index)];
  if (!created_[static_cast<std::size_t>(index)]) {
    created_[static_cast<std::size_t>(index)] = true;
    page->OnInitDialog();
  }
  active_ = index;
  page->OnSetActive();
}

bool CMyPropertySheet::SelectPage(int index) {
  if (index < 0 || index >= kPageCount) return false;
  if (index == active_) return true;
  if (active_ >= 0 && !Pages()[static_cast<std::size_t>(active_)]->OnKillActive()) return false;
  Activate(index);
  return true;
}

bool CMyPropertySheet::PressOk() {
  return active_ < 0 || Pages()[static_cast<std::size_t>(active_)]->OnKillActive();
}

void CMyPropertySheet::OnCancel() {
  for (int index = 0; index < kPageCount; ++index)
    if (created_[static_cast<std::size_t>(index)]) Pages()[static_cast<std::size_t>(index)]->OnCancel();
}

}  // namespace tarvix
