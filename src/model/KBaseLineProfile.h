#pragma once
#include "model/KRadarProfile.h"

namespace tarvix {

// The value of pi the baseline geometry has always used; positions in stored projects and
// exports depend on its six decimals, so it is not the full-precision constant.
constexpr double kBaselinePi = 3.141592;

// A profile placed across a surveyed baseline by three numbers: where along the baseline it
// crosses (`xDist2Base`), at which angle (`xAngle`, degrees) and at which distance along the
// profile the crossing lies (`xLength`).
class KBaseLineProfile : public KRadarProfile {
 public:
  point3D baselineStart;
  point3D baselineStop;
  double xDist2Base = 0;
  double xAngle = 90.0;
  double xLength = 0;

  // Radians; 0 for a baseline whose end points coincide in plan.
  double GetBaselineAzimuth() const;
  // Radians, following the "Orientation" setting in force at the call.
  double GetProfileDirection() const;
  // A baseline of zero length puts the crossing point at its start.
  int GetTracePositions(std::vector<point3D>& points, int firstTrace, int count) const override;
  // Signed distance of a plan point from the profile line.
  double DistanceToPoint(const point3D& point) const override;
  std::string GetTypeName() const override { return "BaseLineProfile"; }
  // Whether the profile is drawn forward (trace 0 at the left) for the view's baseline order:
  // 0 from the baseline start, anything else from its end.
  bool IsOnSide(int side) const;

 private:
  point3D CrossingPoint() const;
};

}  // namespace tarvix
