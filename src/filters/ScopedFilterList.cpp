#include "filters/ScopedFilterList.h"

namespace tarvix {

namespace {
CFilterList* current = nullptr;
}

CFilterList& FilterList() {
  if (current != nullptr) return *current;
  static CFilterList programList;
  return programList;
}

ScopedFilterList::ScopedFilterList() : previous_(current) { current = &list_; }

ScopedFilterList::~ScopedFilterList() { current = previous_; }

}  // namespace tarvix
