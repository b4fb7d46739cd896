#include "support/MigrationOracle.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace tarvix::testing {
namespace {

constexpr int kMaxAperture = 64;
constexpr int kDepthReach = 75;

// Truncation toward zero that saturates, so absurd geometry (an infinite or undefined distance)
// cannot overflow the conversion.
int Truncate(float value, int limit) {
  return value < static_cast<float>(limit) ? static_cast<int>(value) : limit;
}

template <typename Sample>
Sample Scale(float out, float largest) {
  if constexpr (sizeof(Sample) == 2) {
    return static_cast<Sample>(static_cast<int>(out / largest * 32767.0f));
  } else {
    const float v = out / largest * 2147483647.0f;  // the float constant is 2^31
    return v >= 2147483648.0f ? std::numeric_limits<Sample>::max() : static_cast<Sample>(v);
  }
}

template <typename Sample>
std::int64_t Run(std::span<Sample> block, int count, const MigrationParameters& p) {
  const MigrationOracleTables t = MakeMigrationOracleTables(p);
  if (!t.active || count <= 0) return 0;
  const int S = p.samples;
  const int M = t.depths;

  std::vector<std::vector<float>> in(count, std::vector<float>(M));
  std::vector<std::vector<float>> out(count, std::vector<float>(M, 0.0f));
  for (int j = 0; j < count; ++j)
    for (int i = 0; i < M; ++i) in[j][i] = static_cast<float>(block[j * S + t.z0 + i]);

  std::int64_t terms = 0;
  for (int j = 0; j < count; ++j) {
    if (std::all_of(in[j].begin(), in[j].end(), [](float v) { return v == 0.0f; })) continue;
    for (int k = 0; k < M; ++k) {
      float sum = 0.0f;
      int n = 0;
      for (int jp = j; jp <= std::min(j + t.aperture[k], count - 1); ++jp) {
        const int l = jp - j;
        const int F = t.travel[k][l];
        if (std::abs(F - k) >= kDepthReach) break;
        if (F < M) {
          sum += in[jp][F] * t.weight[k][l];
          ++n;
        }
      }
      for (int jp = j - 1; jp >= std::max(j - t.aperture[k], 0); --jp) {
        const int l = j - jp;
        const int F = t.travel[k][l];
        if (std::abs(F - k) >= kDepthReach) break;
        if (F < M) {
          sum += in[jp][F] * t.weight[k][l];
          ++n;
        }
      }
      out[j][k] = n > 0 ? sum / static_cast<float>(n) : 0.0f;
      terms += n;
    }
  }

  float C = 0.0f;
  for (const auto& trace : out)
    for (float v : trace) C = std::max(C, std::fabs(v));
  for (int j = 0; j < count; ++j)
    for (int i = 0; i < M; ++i) block[j * S + t.z0 + i] = C == 0.0f ? Sample{0} : Scale<Sample>(out[j][i], C);
  return terms;
}

}  // namespace

MigrationOracleTables MakeMigrationOracleTables(const MigrationParameters& p) {
  MigrationOracleTables t;
  const float dx = static_cast<float>(p.traceInterval);
  if (dx == 0.0f || p.samples <= 0) return t;
  const double h = p.timeWindow * p.velocity / p.samples / 2000.0;
  t.c = static_cast<float>(h / dx);
  t.b = static_cast<float>(p.antennaSeparation / dx * 0.5);
  t.z0 = std::max(p.zeroLevel, 0);
  t.depths = p.samples - t.z0;
  const int M = t.depths;
  if (!(t.c > 0.0f) || !std::isfinite(t.c) || M <= 0) return t;
  t.active = true;

  const float c = t.c;
  const float b = t.b;
  int widest = 0;
  for (int k = 0; k < M; ++k) {
    const float reach = c * std::sqrt(static_cast<float>(std::int64_t{M} * M - std::int64_t{k} * k));
    t.aperture.push_back(Truncate(reach, kMaxAperture));
    widest = std::max(widest, t.aperture.back());
  }
  t.travel.assign(M, std::vector<int>(widest + 1));
  t.weight.assign(M, std::vector<float>(widest + 1));
  for (int k = 0; k < M; ++k) {
    const float kf = static_cast<float>(k);
    const float q = kf * kf * (c * c);
    for (int l = 0; l <= widest; ++l) {
      const float lf = static_cast<float>(l);
      const float mean = (std::sqrt((lf + b) * (lf + b) + q) + std::sqrt((lf - b) * (lf - b) + q)) * 0.5f / c;
      const int T = Truncate(mean, M + kDepthReach);
      const float u = static_cast<float>(T) * c;
      t.travel[k][l] = T;
      t.weight[k][l] = (l == 0 && u == 0.0f) ? 1.0f : u / std::sqrt(lf * lf + u * u);
    }
  }
  return t;
}

std::int64_t MigrateOracle(std::span<std::int16_t> block, int count, const MigrationParameters& parameters) {
  return Run(block, count, parameters);
}

std::int64_t MigrateOracle(std::span<std::int32_t> block, int count, const MigrationParameters& parameters) {
  return Run(block, count, parameters);
}

}  // namespace tarvix::testing
