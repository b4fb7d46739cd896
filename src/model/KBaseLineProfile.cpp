#include "model/KBaseLineProfile.h"

#include <algorithm>
#include <cmath>

#include "app/AppContext.h"

namespace tarvix {

double KBaseLineProfile::GetBaselineAzimuth() const {
  return std::atan2(baselineStop.y - baselineStart.y, baselineStop.x - baselineStart.x);
}

double KBaseLineProfile::GetProfileDirection() const {
  const double azimuth = GetBaselineAzimuth();
  if (App().settings.Orientation == 0) return azimuth - (xAngle - 180.0) * kBaselinePi / 180.0;
  return azimuth - (-180.0 - xAngle) * kBaselinePi / 180.0;
}

point3D KBaseLineProfile::CrossingPoint() const {
  const point3D d{baselineStop.x - baselineStart.x, baselineStop.y - baselineStart.y,
                  baselineStop.z - baselineStart.z};
  const double length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
  // A baseline without length has no direction to measure xDist2Base along.
  if (length == 0) return baselineStart;
  const double share = xDist2Base / length;
  return {baselineStart.x + d.x * share, baselineStart.y + d.y * share, baselineStart.z + d.z * share};
}

int KBaseLineProfile::GetTracePositions(std::vector<point3D>& points, int firstTrace, int count) const {
  count = std::max(count, 0);
  points.resize(static_cast<std::size_t>(count));
  const point3D crossing = CrossingPoint();
  const double spacing = header.GetTraceInterval();
  const double direction = GetProfileDirection();
  const double cosine = std::cos(direction);
  const double sine = std::sin(direction);
  for (int i = 0; i < count; ++i) {
    const double along = (static_cast<double>(firstTrace) + i) * spacing - xLength;
    points[static_cast<std::size_t>(i)] = {crossing.x + cosine * along, crossing.y + sine * along, crossing.z};
  }
  return count;
}

double KBaseLineProfile::DistanceToPoint(const point3D& point) const {
  const point3D first = GetTracePosition(0);
  const double dx = point.x - first.x;
  const double dy = point.y - first.y;
  const double angle = std::atan2(dy, dx);
  return std::sin(std::fabs(angle - GetProfileDirection())) * std::sqrt(dx * dx + dy * dy);
}

bool KBaseLineProfile::IsOnSide(int side) const { return side == 0 ? xAngle > 180 : xAngle <= 180; }

}  // namespace tarvix
