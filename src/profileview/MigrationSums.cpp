#include "profileview/MigrationSums.h"

#include <cstring>
#include <vector>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define TARVIX_AVX_SUMS 1
#endif

namespace tarvix {
namespace {

// Each product is rounded before it is added (no fused multiply-add), as a plain walk does it.

constexpr int kPortableLanes = 32;

#if defined(__GNUC__)
typedef float Float4 __attribute__((vector_size(16)));
typedef float Float8 __attribute__((vector_size(32)));

// Written with explicit vectors: the sums must stay in registers while the terms stream past,
// which the optimiser's own rearrangements of the plain loop do not keep.
template <typename Vector, int Registers>
[[gnu::always_inline]] inline void SumVectors(const MigrationTerm* terms, std::size_t count,
                                              const float* base, float* out) {
  constexpr int kWidth = sizeof(Vector) / sizeof(float);
  Vector sum[Registers] = {};
  for (std::size_t t = 0; t < count; ++t) {
    const float* row = base + terms[t].offset;
    const Vector w = terms[t].weight - Vector{};  // the weight in every lane
    for (int r = 0; r < Registers; ++r) {
      Vector x;
      std::memcpy(&x, row + r * kWidth, sizeof x);
      sum[r] += x * w;
    }
  }
  std::memcpy(out, sum, sizeof sum);
}

void SumPortable(const MigrationTerm* terms, std::size_t count, const float* base, float* sum) {
  SumVectors<Float4, 8>(terms, count, base, sum);
}
#else
void SumPortable(const MigrationTerm* terms, std::size_t count, const float* base, float* out) {
  float sum[kPortableLanes] = {};
  for (std::size_t t = 0; t < count; ++t) {
    const float* row = base + terms[t].offset;
    for (int v = 0; v < kPortableLanes; ++v) sum[v] += row[v] * terms[t].weight;
  }
  std::memcpy(out, sum, sizeof sum);
}
#endif

#ifdef TARVIX_AVX_SUMS
[[gnu::target("avx")]] void SumAvx(const MigrationTerm* terms, std::size_t count, const float* base,
                                   float* sum) {
  SumVectors<Float8, 8>(terms, count, base, sum);
}
#endif

}  // namespace

std::vector<LaneSums> AvailableLaneSums() {
  std::vector<LaneSums> sums{{kPortableLanes, SumPortable}};
#ifdef TARVIX_AVX_SUMS
  if (__builtin_cpu_supports("avx")) sums.push_back({64, SumAvx});
#endif
  return sums;
}

}  // namespace tarvix
