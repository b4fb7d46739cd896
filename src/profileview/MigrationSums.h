#pragma once
#include <cstddef>
#include <vector>

namespace tarvix {

// One weighted term of a depth's migration: the input row, shifted by the trace offset, as a
// distance from the start of the depth-major block.
struct MigrationTerm {
  std::ptrdiff_t offset;
  float weight;
};

constexpr int kMaxLanes = 64;

// Sums a depth's terms for `lanes` consecutive output traces starting at base:
// sum[v] = the terms' row[v] × weight, added in the order of the terms.
struct LaneSums {
  int lanes;
  void (*run)(const MigrationTerm* terms, std::size_t count, const float* base, float* sum);
};

// Every summation the processor runs, narrowest first; all give the same sums.
std::vector<LaneSums> AvailableLaneSums();

}  // namespace tarvix
