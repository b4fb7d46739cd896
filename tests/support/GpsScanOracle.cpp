#include "support/GpsScanOracle.h"

namespace tarvix::testing {

namespace {
point3D Position(double latitude, double longitude, double altitude) {
  return {longitude * 100000.0, latitude * 100000.0, altitude};
}
point3D Position(const CCoord& fix) { return Position(fix.latitude, fix.longitude, fix.altitude); }
}  // namespace

point3D ScanPositionAtTrace(const std::vector<std::unique_ptr<CCoord>>& coords, int trace) {
  if (coords.empty()) return {};
  if (trace < coords.front()->trace) return Position(*coords.front());
  if (trace > coords.back()->trace) return Position(*coords.back());
  for (std::size_t i = 0; i < coords.size(); ++i) {
    const CCoord& fix = *coords[i];
    if (fix.trace == trace) return Position(fix);
    if (fix.trace > trace && i > 0) {
      const CCoord& before = *coords[i - 1];
      const float f = static_cast<float>(trace - before.trace) / static_cast<float>(fix.trace - before.trace);
      return Position(before.latitude + (fix.latitude - before.latitude) * f,
                      before.longitude + (fix.longitude - before.longitude) * f,
                      before.altitude + (fix.altitude - before.altitude) * f);
    }
  }
  return {};
}

}  // namespace tarvix::testing
