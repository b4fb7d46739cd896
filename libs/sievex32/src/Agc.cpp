#include "Agc.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "RunningMean.h"

namespace tarvix::sievex {

void Agc(TraceBlock& block, int half, double maxGainDb) {
  const int n = block.samples;
  const auto size = static_cast<std::size_t>(std::max(n, 0));
  std::vector<float> power(size);
  std::vector<float> windowPower(size);
  const double maxGain = std::pow(10.0, maxGainDb / 20.0);
  for (int j = 0; j < block.traces; ++j) {
    float* trace = block.Trace(j);
    double total = 0.0;
    for (std::size_t i = 0; i < size; ++i) {
      power[i] = trace[i] * trace[i];
      total += power[i];
    }
    if (total <= 0.0) continue;
    const double target = std::sqrt(total / n);
    // Where the window is quieter than target / maxGain, the gain stays at maxGain.
    const double floor = target / maxGain;
    CentredMeans(power.data(), n, half, windowPower.data());
    for (std::size_t i = 0; i < size; ++i) {
      const double rms = std::max(std::sqrt(static_cast<double>(windowPower[i])), floor);
      trace[i] = static_cast<float>(trace[i] * (target / rms));
    }
  }
}

}  // namespace tarvix::sievex
