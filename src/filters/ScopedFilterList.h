#pragma once
#include "filters/CFilterList.h"

namespace tarvix {

// The program's one filter list. It is created on first use and lives until the program ends,
// unless a ScopedFilterList stands in for it.
CFilterList& FilterList();

// Makes a fresh filter list the current one for its lifetime and restores the previous one
// afterwards, so each test starts from an empty chain.
class ScopedFilterList {
 public:
  ScopedFilterList();
  ~ScopedFilterList();
  ScopedFilterList(const ScopedFilterList&) = delete;
  ScopedFilterList& operator=(const ScopedFilterList&) = delete;

  CFilterList& List() { return list_; }

 private:
  CFilterList list_;
  CFilterList* previous_;
};

}  // namespace tarvix
