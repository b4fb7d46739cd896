#pragma once
#include <string>
#include <vector>

#include "model/KMarker.h"

namespace tarvix {

// The markers of one profile and their ".mrk" file.
class KMarkerList {
 public:
  virtual ~KMarkerList() = default;

  std::vector<KMarker> items;
  std::string markerExt = ".mrk";
  std::string markerPath;

  // Appends the markers of basePath + ".mrk"; false when the file is missing or of an unknown
  // version (the list then keeps what it held).
  bool Read(const std::string& basePath);
  // Replaces the marker file; false when it could not be written (the old file then survives).
  bool Write() const;
  bool CopyTo(const std::string& directory) const;
  void SetAtGrow(std::size_t index, const KMarker& marker);
  std::string GetPath() const { return markerPath; }
};

}  // namespace tarvix
