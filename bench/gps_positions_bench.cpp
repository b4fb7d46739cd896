// Interpolating every trace position of a long GPS profile, against scanning the fixes from the
// first one for every trace.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "BenchRatio.h"
#include "model/KGPSProfile.h"
#include "support/GpsScanOracle.h"
#include "support/TestApp.h"

namespace tarvix {
namespace {

constexpr int kTraces = 50000;
constexpr int kFixes = 5000;

struct Track {
  testing::TestApp app;
  KGPSProfile profile;
  Track() {
    std::mt19937 random(1);
    std::uniform_real_distribution<double> step(-0.00002, 0.00002);
    double latitude = 59.5, longitude = 18.0;
    for (int i = 0; i < kFixes; ++i) {
      latitude += step(random);
      longitude += step(random);
      profile.coords.push_back(std::make_unique<CCoord>(CCoord{1 + i * kTraces / kFixes, latitude, longitude, 10}));
    }
  }
};

const KGPSProfile& TheProfile() {
  static Track track;
  return track.profile;
}

void BM_InterpolatedPositions(benchmark::State& state) {
  const KGPSProfile& profile = TheProfile();
  std::vector<point3D> points;
  for (auto _ : state) {
    profile.GetTracePositions(points, 1, kTraces);
    benchmark::DoNotOptimize(points.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kTraces);
}

void BM_ScannedPositions(benchmark::State& state) {
  const KGPSProfile& profile = TheProfile();
  std::vector<point3D> points(kTraces);
  for (auto _ : state) {
    for (int trace = 1; trace <= kTraces; ++trace)
      points[static_cast<std::size_t>(trace - 1)] = testing::ScanPositionAtTrace(profile.coords, trace);
    benchmark::DoNotOptimize(points.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kTraces);
}

BENCHMARK(BM_InterpolatedPositions)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScannedPositions)->Unit(benchmark::kMicrosecond);  // the ratio needs one unit

}  // namespace
}  // namespace tarvix

int main(int argc, char** argv) {
  return tarvix::bench::RunWithRatios(
      argc, argv, {{"BM_InterpolatedPositions", "BM_ScannedPositions", "Interpolated positions of 50,000 traces"}});
}
