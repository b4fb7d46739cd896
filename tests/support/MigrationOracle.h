#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "profileview/Migration.h"

namespace tarvix::testing {

// The migration written down loop for loop, without regard for speed: the reference the fast
// version is compared with, sample for sample, in the tests and the benchmark.
struct MigrationOracleTables {
  bool active = false;                     // false when the block stays unchanged
  float c = 0.0f;                          // traces per sample of depth
  float b = 0.0f;                          // half the antenna separation in traces
  int z0 = 0;                              // first migrated row
  int depths = 0;                          // migrated rows per trace
  std::vector<int> aperture;               // per depth
  std::vector<std::vector<int>> travel;    // [depth][offset], in samples
  std::vector<std::vector<float>> weight;  // [depth][offset]
};

MigrationOracleTables MakeMigrationOracleTables(const MigrationParameters& parameters);

// Both return the number of weighted terms summed.
std::int64_t MigrateOracle(std::span<std::int16_t> block, int count, const MigrationParameters& parameters);
std::int64_t MigrateOracle(std::span<std::int32_t> block, int count, const MigrationParameters& parameters);

}  // namespace tarvix::testing
