#include "sitemap/MapExtent.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "model/KBaseLineProfile.h"
#include "model/KGPSProfile.h"
#include "model/KTarvixProject.h"
#include "sitemap/MapTransform.h"

namespace tarvix {

namespace {

constexpr double kDegreeScale = 100000.0;
// Far beyond any survey, and small enough that growing the box and taking its size cannot
// overflow.
constexpr double kLargestCoordinate = 1 << 29;

int Coordinate(double value) { return TruncToInt(std::clamp(value, -kLargestCoordinate, kLargestCoordinate)); }

class BoundingBox {
 public:
  void Add(double x, double y) {
    if (!found_) {
      minX_ = maxX_ = x;
      minY_ = maxY_ = y;
      found_ = true;
      return;
    }
    minX_ = std::min(minX_, x);
    maxX_ = std::max(maxX_, x);
    minY_ = std::min(minY_, y);
    maxY_ = std::max(maxY_, y);
  }
  void Add(const point3D& p, bool swap) { swap ? Add(p.y, p.x) : Add(p.x, p.y); }

  Rect Truncated(double scale) const {
    if (!found_) return {};
    return {Coordinate(minX_ * scale), Coordinate(minY_ * scale), Coordinate(maxX_ * scale),
            Coordinate(maxY_ * scale)};
  }

 private:
  bool found_ = false;
  double minX_ = 0, minY_ = 0, maxX_ = 0, maxY_ = 0;
};

Rect BaselineExtent(const KTarvixProject& project, bool swap) {
  BoundingBox box;
  std::vector<point3D> points;
  for (const auto& set : project.sets) {
    if (set->profiles.empty()) continue;
    if (const auto* first = dynamic_cast<const KBaseLineProfile*>(set->profiles.front().get())) {
      box.Add(first->baselineStart, swap);
      box.Add(first->baselineStop, swap);
    }
    for (const auto& profile : set->profiles) {
      const int traces = profile->header.lastTrace;
      if (traces <= 0) continue;
      for (const int trace : {0, traces - 1})
        if (profile->GetTracePositions(points, trace, 1) == 1) box.Add(points.front(), swap);
    }
  }
  return box.Truncated(1.0);
}

Rect GpsExtent(const KTarvixProject& project) {
  BoundingBox box;
  if (!project.sets.empty())
    for (const auto& profile : project.sets.front()->profiles)
      if (const auto* gps = dynamic_cast<const KGPSProfile*>(profile.get()))
        for (const auto& fix : gps->coords) box.Add(fix->longitude, fix->latitude);
  return box.Truncated(kDegreeScale);
}

}  // namespace

Rect ComputeMapExtent(const KTarvixProject& project, bool swapAxes) {
  const Rect box = project.IsGPSProject() ? GpsExtent(project) : BaselineExtent(project, swapAxes);
  return box.Inflate(2);
}

}  // namespace tarvix
