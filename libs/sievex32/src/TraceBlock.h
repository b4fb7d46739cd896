#pragma once
#include <cstddef>
#include <vector>

namespace tarvix::sievex {

// Traces one after the other, `samples` values each, in single precision while they are filtered.
struct TraceBlock {
  TraceBlock() = default;
  TraceBlock(int sampleCount, int traceCount)
      : samples(sampleCount), traces(traceCount), data(static_cast<std::size_t>(sampleCount) * traceCount) {}

  float* Trace(int index) { return data.data() + static_cast<std::size_t>(index) * samples; }
  const float* Trace(int index) const { return data.data() + static_cast<std::size_t>(index) * samples; }

  int samples = 0;
  int traces = 0;
  std::vector<float> data;
};

}  // namespace tarvix::sievex
