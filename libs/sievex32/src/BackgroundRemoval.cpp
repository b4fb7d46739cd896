#include "BackgroundRemoval.h"

#include <cstddef>

#include "RunningMean.h"

namespace tarvix::sievex {

void RemoveBackground(TraceBlock& block, int windowTraces) {
  const int half = windowTraces / 2;
  if (windowTraces <= 0 || half >= block.traces - 1) {
    const std::vector<float> mean = MeanTrace(block);
    for (int j = 0; j < block.traces; ++j) {
      float* trace = block.Trace(j);
      for (int i = 0; i < block.samples; ++i) trace[i] -= mean[static_cast<std::size_t>(i)];
    }
    return;
  }
  const TraceBlock means = CentredTraceMeans(block, half);
  for (std::size_t i = 0; i < block.data.size(); ++i) block.data[i] -= means.data[i];
}

}  // namespace tarvix::sievex
