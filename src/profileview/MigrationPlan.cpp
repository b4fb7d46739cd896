#include "profileview/MigrationPlan.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace tarvix {
namespace {

// Truncation toward zero that saturates: beyond the limit the value no longer matters, and
// absurd geometry (an infinite or undefined distance) must not overflow the conversion.
int Truncate(float value, int limit) {
  return value < static_cast<float>(limit) ? static_cast<int>(value) : limit;
}

}  // namespace

MigrationPlan::MigrationPlan(const MigrationParameters& p) {
  const float dx = static_cast<float>(p.traceInterval);  // metres per trace
  if (dx == 0.0f || p.samples <= 0) return;
  const double h = p.timeWindow * p.velocity / p.samples / 2000.0;  // metres of depth per sample
  const float c = static_cast<float>(h / dx);
  const float b = static_cast<float>(p.antennaSeparation / dx * 0.5);
  firstRow_ = std::max(p.zeroLevel, 0);
  depths_ = p.samples - firstRow_;
  const int M = depths_;
  // A negative or infinite scale would send the walk outside the trace; nothing sensible to do.
  if (!(c > 0.0f) || !std::isfinite(c) || M <= 0) return;
  active_ = true;

  std::vector<int> aperture(M);
  for (int k = 0; k < M; ++k) {
    const float reach = c * std::sqrt(static_cast<float>(std::int64_t{M} * M - std::int64_t{k} * k));
    aperture[k] = Truncate(reach, kMaxAperture);
  }
  widest_ = *std::max_element(aperture.begin(), aperture.end());

  travel_.resize(static_cast<std::size_t>(M) * (widest_ + 1));
  weight_.resize(travel_.size());
  for (int k = 0; k < M; ++k) {
    const float kf = static_cast<float>(k);
    const float q = kf * kf * (c * c);
    for (int l = 0; l <= widest_; ++l) {
      const float lf = static_cast<float>(l);
      // The mean of the distances to the two antennas, back in samples.
      const float mean = (std::sqrt((lf + b) * (lf + b) + q) + std::sqrt((lf - b) * (lf - b) + q)) * 0.5f / c;
      const int T = Truncate(mean, M + kDepthReach);
      const float u = static_cast<float>(T) * c;
      travel_[Index(k, l)] = T;
      // Offset and travel time both 0 only with no antenna separation: the sample itself.
      weight_[Index(k, l)] = (l == 0 && u == 0.0f) ? 1.0f : u / std::sqrt(lf * lf + u * u);
    }
  }

  forwardEnd_.resize(M);
  backwardEnd_.resize(M);
  for (int k = 0; k < M; ++k) {
    forwardEnd_[k] = WalkEnd(k, 0, aperture[k]);
    backwardEnd_[k] = WalkEnd(k, 1, aperture[k]);
  }
}

int MigrationPlan::WalkEnd(int depth, int first, int aperture) const {
  int l = first;
  while (l <= aperture && std::abs(TravelTime(depth, l) - depth) < kDepthReach) ++l;
  return l;
}

}  // namespace tarvix
