#include "Dewow.h"

#include "RunningMean.h"

namespace tarvix::sievex {

void Dewow(TraceBlock& block, int half) {
  std::vector<float> means(static_cast<std::size_t>(block.samples));
  for (int j = 0; j < block.traces; ++j) {
    float* trace = block.Trace(j);
    CentredMeans(trace, block.samples, half, means.data());
    for (int i = 0; i < block.samples; ++i) trace[i] -= means[i];
  }
}

}  // namespace tarvix::sievex
