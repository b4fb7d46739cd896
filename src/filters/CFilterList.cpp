#include "filters/CFilterList.h"

#include <cstddef>
#include <cstring>

namespace tarvix {

namespace {

template <typename Sample>
void CopyUnfiltered(const Sample* source, Sample* destination, const SievexDataDescription& description) {
  if (source == nullptr || destination == nullptr || description.samplesPerTrace <= 0 ||
      description.traceCount <= 0)
    return;
  const std::size_t count = static_cast<std::size_t>(description.samplesPerTrace) *
                            static_cast<std::size_t>(description.traceCount);
  std::memmove(destination, source, count * sizeof(Sample));
}

}  // namespace

CFilterList::CFilterList() : handle(FilterListCreate()) {}

CFilterList::~CFilterList() {
  if (handle != nullptr) FilterListDestroy(handle);
}

int CFilterList::Load(const std::string& path) {
  const int result = FilterListLoad(handle, path.c_str());
  if (result != 0) RefreshFilterCount();
  return result;
}

void CFilterList::Save(const std::string& path) { FilterListSave(handle, path.c_str()); }

int CFilterList::GetSize() { return FilterListGetSize(handle); }

int CFilterList::Edit(const std::int16_t* samples, SievexDataDescription description) {
  const int result = FilterListEdit(handle, nullptr, samples, &description);
  if (result != 0) {
    RefreshFilterCount();
    edited = true;
  }
  return result;
}

int CFilterList::Edit32(const std::int32_t* samples, SievexDataDescription description) {
  const int result = FilterListEdit32(handle, nullptr, samples, &description);
  if (result != 0) {
    RefreshFilterCount();
    edited = true;
  }
  return result;
}

void CFilterList::Apply(const std::int16_t* source, std::int16_t* destination,
                        SievexDataDescription description) {
  const SievexDataDescription original = description;
  if (FilterListApply(handle, source, destination, &description) == 0)
    CopyUnfiltered(source, destination, original);
}

void CFilterList::Apply32(const std::int32_t* source, std::int32_t* destination,
                          SievexDataDescription description) {
  const SievexDataDescription original = description;
  if (FilterListApply32(handle, source, destination, &description) == 0)
    CopyUnfiltered(source, destination, original);
}

void CFilterList::RefreshFilterCount() {
  SievexFilterInfo* info = FilterInfoCreate();
  int count = 0;
  for (int index = 0; index < GetSize(); ++index)
    if (FilterListGetFilter(handle, info, index) != 0) ++count;
  FilterInfoDestroy(info);
  filterCount = count;
}

}  // namespace tarvix
