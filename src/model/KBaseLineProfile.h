#pragma once
#include "model/KRadarProfile.h"

namespace tarvix {

// A profile placed across a surveyed baseline by three numbers.
class KBaseLineProfile : public KRadarProfile {
 public:
  point3D baselineStart;
  point3D baselineStop;
  double xDist2Base = 0;
  double xAngle = 90.0;
  double xLength = 0;

  int GetTracePositions(std::vector<point3D>& points, int firstTrace, int count) const override;
  double DistanceToPoint(const point3D& point) const override;
  std::string GetTypeName() const override { return "BaseLineProfile"; }
};

}  // namespace tarvix
