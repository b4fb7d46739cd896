#pragma once
#include <memory>
#include <string>
#include <vector>

#include "model/KRadarProfile.h"

namespace tarvix {

// The profiles of one baseline, or the one set of a GPS project, in display order.
class KRadarProfileSet {
 public:
  virtual ~KRadarProfileSet() = default;

  std::vector<std::unique_ptr<KRadarProfile>> profiles;
  bool descending = false;

  bool AddBaseLineProfile(const std::string& basePath, const point3D& baselineStart, const point3D& baselineStop,
                          double xLength, double xAngle, double xDist2Base);
  // 0 added; 1 header or data unreadable; 2 coordinates unreadable.
  int AddGPSProfile(const std::string& basePath);
  void RemoveProfile(int index);
  void SetDescending(bool flag) { descending = flag; }
  // Orders baseline profiles by their distance along the baseline; GPS sets keep their order.
  void SortProfiles();
};

}  // namespace tarvix
