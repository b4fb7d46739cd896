#include "profileview/Migration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "profileview/MigrationBlock.h"
#include "support/MigrationOracle.h"

namespace tarvix {
namespace {

using testing::MakeMigrationOracleTables;
using testing::MigrateOracle;

// 1 GHz sampling, 100 m/µs and 5 cm traces: one sample of depth is one trace of distance.
MigrationParameters Survey(int samples, int zeroLevel, double traceInterval = 0.05,
                           double antennaSeparation = 0.1) {
  MigrationParameters p;
  p.samples = samples;
  p.timeWindow = samples * 1.0;
  p.traceInterval = traceInterval;
  p.antennaSeparation = antennaSeparation;
  p.velocity = 100.0;
  p.zeroLevel = zeroLevel;
  return p;
}

// Random samples over the given range, with a few blank traces (as a window past a profile's
// end reads them) to exercise the rule that blank traces stay blank.
template <typename Sample>
std::vector<Sample> RandomBlock(int count, int samples, unsigned seed, std::int64_t low, std::int64_t high) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<std::int64_t> value(low, high);
  std::vector<Sample> block(static_cast<std::size_t>(count) * samples);
  for (auto& s : block) s = static_cast<Sample>(value(random));
  for (int j = 3; j < count; j += 7) std::fill_n(block.begin() + j * samples, samples, Sample{0});
  return block;
}

template <typename Sample>
constexpr std::int64_t Full() {
  return std::numeric_limits<Sample>::max();
}

struct OracleCase {
  const char* name;
  bool wide;  // 32-bit samples
  int count;
  MigrationParameters parameters;
};

template <typename Sample>
bool Migrated(std::vector<Sample>& block, int count, const MigrationParameters& p) {
  Migration migration;
  return migration.Apply(std::span<Sample>(block), count, p);
}

template <typename Sample>
void ExpectMatchesOracle(Migration& migration, const OracleCase& c, unsigned seed) {
  const int S = c.parameters.samples;
  const auto input = RandomBlock<Sample>(c.count, S, seed, -Full<Sample>(), Full<Sample>());
  auto fast = input;
  auto oracle = input;
  ASSERT_TRUE(migration.Apply(std::span<Sample>(fast), c.count, c.parameters));
  ASSERT_GT(MigrateOracle(std::span<Sample>(oracle), c.count, c.parameters), 0);
  ASSERT_EQ(fast, oracle);
  const int z0 = std::max(c.parameters.zeroLevel, 0);
  for (int j = 0; j < c.count; ++j)
    for (int i = 0; i < z0; ++i)
      ASSERT_EQ(fast[j * S + i], input[j * S + i]) << "trace " << j << " row " << i;
  EXPECT_NE(fast, input);
}

TEST(MigrationTest, EqualsTheStraightforwardWalkSampleForSample) {
  const OracleCase cases[] = {
      {"first arrival 40 of 512", false, 130, Survey(512, 40)},
      {"first arrival 40 of 512, 32-bit", true, 130, Survey(512, 40)},
      {"same geometry, more traces", false, 260, Survey(512, 40)},
      {"wide block on all cores", false, 700, Survey(160, 10)},
      {"wide block on all cores, 32-bit", true, 700, Survey(160, 10)},
      {"same shape, closer traces", true, 700, Survey(160, 10, 0.03)},
      {"block narrower than the aperture", false, 20, Survey(96, 5, 0.025)},
      {"depth reach ends the walks", true, 90, Survey(200, -5, 0.01, 0.3)},
      {"shallow aperture, no separation", false, 45, Survey(128, 0, 0.2, 0.0)},
      {"a single trace", true, 1, Survey(64, 3)},
  };
  // One object for all: each block reuses the tables and memory the previous one left.
  Migration migration;
  unsigned seed = 1;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.wide)
      ExpectMatchesOracle<std::int32_t>(migration, c, seed++);
    else
      ExpectMatchesOracle<std::int16_t>(migration, c, seed++);
  }
}

// The processor picks the widest summation; every narrower one must give the same block.
TEST(MigrationTest, EverySummationWidthGivesTheSameBlock) {
  const int count = 150, S = 200;
  const MigrationParameters p = Survey(S, 12);
  const auto input = RandomBlock<std::int16_t>(count, S, 11, -32768, 32767);
  auto expected = input;
  MigrateOracle(std::span<std::int16_t>(expected), count, p);
  MigrationBlock layout;
  for (const LaneSums& sums : AvailableLaneSums()) {
    SCOPED_TRACE(sums.lanes);
    auto block = input;
    ASSERT_TRUE(layout.Prepare(p, count));
    layout.Migrate(block.data(), S, sums);
    EXPECT_EQ(block, expected);
  }
}

template <typename Sample>
void ExpectAllZeroStaysZero() {
  std::vector<Sample> block(300 * 128, Sample{0});
  ASSERT_TRUE(Migrated(block, 300, Survey(128, 8)));
  EXPECT_TRUE(std::all_of(block.begin(), block.end(), [](Sample s) { return s == 0; }));
}

TEST(MigrationTest, AllZeroBlockStaysZero) {
  ExpectAllZeroStaysZero<std::int16_t>();
  ExpectAllZeroStaysZero<std::int32_t>();
}

// Each block is scaled on its own: a block and the same block fifty times louder migrate to
// (within rounding) the same samples, whose largest is the top of the sample range. Positive
// input keeps the largest magnitude positive, where 32-bit scaling must not wrap around.
template <typename Sample>
void ExpectPerBlockNormalisation() {
  const int count = 200, S = 100;
  const auto quiet = RandomBlock<Sample>(count, S, 7, 0, Full<Sample>() / 100);
  auto loud = quiet;
  for (auto& s : loud) s = static_cast<Sample>(s * 50);
  auto a = quiet, b = loud;
  ASSERT_TRUE(Migrated(a, count, Survey(S, 0)));
  ASSERT_TRUE(Migrated(b, count, Survey(S, 0)));
  EXPECT_EQ(*std::max_element(a.begin(), a.end()), Full<Sample>());
  EXPECT_EQ(*std::max_element(b.begin(), b.end()), Full<Sample>());
  EXPECT_GE(*std::min_element(a.begin(), a.end()), 0);
  std::int64_t worst = 0;
  for (std::size_t i = 0; i < a.size(); ++i) worst = std::max<std::int64_t>(worst, std::llabs(a[i] - b[i]));
  EXPECT_LE(worst, Full<Sample>() >> 12);
}

TEST(MigrationTest, ScalesEachBlockToTheFullRange) {
  ExpectPerBlockNormalisation<std::int16_t>();
  ExpectPerBlockNormalisation<std::int32_t>();
}

// A single sample spreads along the hyperbola of every depth whose travel time reaches it;
// traces without any input stay blank, so the neighbours get a faint sample at the bottom row,
// out of reach of the rows looked at.
TEST(MigrationTest, SingleSampleSpreadsAlongItsHyperbola) {
  const int count = 200, S = 300, z0 = 20, j0 = 90, k0 = 60;
  const MigrationParameters p = Survey(S, z0, 0.04, 0.15);
  const auto t = MakeMigrationOracleTables(p);
  const int M = t.depths;
  const int untouched = M - 1 - 75;  // rows the bottom sample cannot reach
  ASSERT_GT(untouched, k0);
  struct Case {
    const char* name;
    bool neighboursLive;
  } cases[] = {{"alone in the block", false}, {"among live traces", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::int16_t> block(count * S, 0);
    block[j0 * S + z0 + k0] = 20000;
    if (c.neighboursLive)
      for (int j = 0; j < count; ++j) block[j * S + S - 1] = 1;
    ASSERT_TRUE(Migrated(block, count, p));
    int spread = 0;
    for (int j = 0; j < count; ++j)
      for (int k = 0; k < untouched; ++k) {
        const int l = std::abs(j - j0);
        const bool onHyperbola = (c.neighboursLive || j == j0) && l <= t.aperture[k] &&
                                 std::abs(k0 - k) < 75 && t.travel[k][l] == k0;
        ASSERT_EQ(block[j * S + z0 + k] != 0, onHyperbola) << "trace " << j << " depth " << k;
        spread += onHyperbola;
      }
    EXPECT_GT(spread, c.neighboursLive ? 100 : 0);
  }
}

TEST(MigrationTest, LeavesTheBlockAloneWithoutUsableGeometry) {
  auto spaced = [](double dx) { return Survey(64, 0, dx); };
  auto moving = [](double v) {
    MigrationParameters p = Survey(64, 0);
    p.velocity = v;
    return p;
  };
  const struct {
    const char* name;
    MigrationParameters parameters;
    int count;
    bool accepted;
  } cases[] = {
      {"no trace spacing", spaced(0.0), 50, true},
      {"negative trace spacing", spaced(-0.05), 50, true},
      {"no velocity", moving(0.0), 50, true},
      {"velocity not a number", moving(std::nan("")), 50, true},
      {"first arrival below the trace", Survey(64, 64), 50, true},
      {"block shorter than its traces", Survey(64, 0), 51, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto input = RandomBlock<std::int16_t>(50, 64, 3, -30000, 30000);
    auto block = input;
    EXPECT_EQ(Migrated(block, c.count, c.parameters), c.accepted);
    EXPECT_EQ(block, input);
  }
}

// Geometry so extreme that every travel time lies beyond the trace: no walk sums a term, so the
// migrated rows become zero, and no conversion of a huge travel time may overflow on the way.
TEST(MigrationTest, ExtremeGeometryEmptiesTheMigratedRows) {
  MigrationParameters wideAntennas = Survey(64, 4);
  wideAntennas.antennaSeparation = 1e30;
  const MigrationParameters denseTraces = Survey(64, 4, 1e-31);
  for (const auto& p : {wideAntennas, denseTraces}) {
    SCOPED_TRACE(p.traceInterval);
    const auto input = RandomBlock<std::int32_t>(40, 64, 5, -100000, 100000);
    auto block = input;
    ASSERT_TRUE(Migrated(block, 40, p));
    for (int j = 0; j < 40; ++j)
      for (int i = 0; i < 64; ++i) ASSERT_EQ(block[j * 64 + i], i < 4 ? input[j * 64 + i] : 0);
  }
}

// A point reflector 2 m deep under 100 m/µs, seen by antennas 10 cm apart every 5 cm: each
// trace carries a short pulse at the two-way time of its distance to the point.
std::vector<std::int16_t> DiffractionHyperbola(int count, int S, int z0, int apex, double depth) {
  const double h = 0.05;  // metres of depth per sample at 1 GHz and 100 m/µs
  const double half = 0.05;
  std::vector<std::int16_t> block(count * S, 0);
  for (int j = 0; j < count; ++j) {
    const double x = (j - apex) * 0.05;
    const double mean = 0.5 * (std::hypot(x + half, depth) + std::hypot(x - half, depth));
    const int row = z0 + static_cast<int>(mean / h);
    const std::int16_t pulse[] = {-6000, 12000, -6000};
    for (int d = -1; d <= 1; ++d)
      if (row + d < S) block[j * S + row + d] = pulse[d + 1];
  }
  return block;
}

double EnergyNearApexShare(const std::vector<std::int16_t>& block, int S, int apex, int reach) {
  double near = 0.0, total = 0.0;
  for (std::size_t i = 0; i < block.size(); ++i) {
    const double e = static_cast<double>(block[i]) * block[i];
    total += e;
    if (std::abs(static_cast<int>(i) / S - apex) <= reach) near += e;
  }
  return near / total;
}

TEST(MigrationTest, TrueVelocityFocusesADiffractionOnItsApex) {
  const int count = 201, S = 256, z0 = 10, apex = 100;
  const auto input = DiffractionHyperbola(count, S, z0, apex, 2.0);
  const double before = EnergyNearApexShare(input, S, apex, 3);
  // The share of the energy within three traces of the apex grows about 13-fold at the true
  // velocity and less than twofold at the wrong ones.
  struct Case {
    double velocity;
    bool focused;
  } cases[] = {{100.0, true}, {60.0, false}, {160.0, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.velocity);
    MigrationParameters p = Survey(S, z0);
    p.velocity = c.velocity;
    auto block = input;
    ASSERT_TRUE(Migrated(block, count, p));
    const double gain = EnergyNearApexShare(block, S, apex, 3) / before;
    if (c.focused)
      EXPECT_GE(gain, 6.0);
    else
      EXPECT_LE(gain, 3.0);
  }
}

}  // namespace
}  // namespace tarvix
