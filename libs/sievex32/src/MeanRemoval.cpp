#include "MeanRemoval.h"

namespace tarvix::sievex {

void RemoveTraceMean(TraceBlock& block) {
  if (block.samples <= 0) return;
  for (int j = 0; j < block.traces; ++j) {
    float* trace = block.Trace(j);
    double sum = 0.0;
    for (int i = 0; i < block.samples; ++i) sum += trace[i];
    const auto mean = static_cast<float>(sum / block.samples);
    for (int i = 0; i < block.samples; ++i) trace[i] -= mean;
  }
}

}  // namespace tarvix::sievex
