#include "TraceAveraging.h"

#include "RunningMean.h"

namespace tarvix::sievex {

void AverageTraces(TraceBlock& block, int windowTraces) {
  const int half = windowTraces / 2;
  if (half <= 0) return;
  block = CentredTraceMeans(block, half);
}

}  // namespace tarvix::sievex
