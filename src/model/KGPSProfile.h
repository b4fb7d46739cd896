#pragma once
#include <memory>

#include "model/CCoord.h"
#include "model/KRadarProfile.h"

namespace tarvix {

// A profile placed by the GPS fixes of its ".cor" file.
class KGPSProfile : public KRadarProfile {
 public:
  std::vector<std::unique_ptr<CCoord>> coords;

  int GetTracePositions(std::vector<point3D>& points, int firstTrace, int count) const override;
  double DistanceToPoint(const point3D& point) const override;
  std::string GetTypeName() const override { return "GPSProfile"; }
};

}  // namespace tarvix
