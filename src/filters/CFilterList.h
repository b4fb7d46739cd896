#pragma once
#include <cstdint>
#include <string>

#include "sievex32.h"

namespace tarvix {

// The editor is shown at most this many of a profile's first traces.
constexpr int kFilterEditTraces = 200;

// The program's handle on a chain of the filter library: loaded from and saved to the filter
// settings file, edited over a profile's first traces and applied by the trace readers.
// Every call hands the library its own copy of the data description.
class CFilterList {
 public:
  CFilterList();
  ~CFilterList();
  CFilterList(const CFilterList&) = delete;
  CFilterList& operator=(const CFilterList&) = delete;

  // Non-zero when the file replaced the chain; a missing or damaged file leaves it as it was.
  int Load(const std::string& path);
  void Save(const std::string& path);
  int GetSize();
  // Non-zero when the user accepted a changed chain.
  int Edit(const std::int16_t* samples, SievexDataDescription description);
  int Edit32(const std::int32_t* samples, SievexDataDescription description);
  // Writes the filtered traces of the block to destination. Should the library fail, the traces
  // are copied unfiltered, so the caller never shows what its buffer held before.
  void Apply(const std::int16_t* source, std::int16_t* destination, SievexDataDescription description);
  void Apply32(const std::int32_t* source, std::int32_t* destination, SievexDataDescription description);

  SievexList* handle = nullptr;
  // The filters described by the library after the last successful load or edit.
  int filterCount = 0;
  // Set once the user changed the chain, so a chain emptied in the editor is saved empty rather
  // than coming back from the old file.
  bool edited = false;

 private:
  void RefreshFilterCount();
};

}  // namespace tarvix
