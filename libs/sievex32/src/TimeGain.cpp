#include "TimeGain.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace tarvix::sievex {

std::vector<float> PowerGainCurve(int samples, double nanosecondsPerSample, double referenceNs,
                                  double exponent) {
  std::vector<float> curve(static_cast<std::size_t>(std::max(samples, 0)));
  for (std::size_t i = 0; i < curve.size(); ++i) {
    const double t = static_cast<double>(i) * nanosecondsPerSample;
    curve[i] = static_cast<float>(std::pow(std::max(1.0, t / referenceNs), exponent));
  }
  return curve;
}

std::vector<float> ExponentialGainCurve(int samples, double nanosecondsPerSample, double dBPerNs) {
  std::vector<float> curve(static_cast<std::size_t>(std::max(samples, 0)));
  for (std::size_t i = 0; i < curve.size(); ++i) {
    const double t = static_cast<double>(i) * nanosecondsPerSample;
    curve[i] = static_cast<float>(std::pow(10.0, dBPerNs * t / 20.0));
  }
  return curve;
}

void ApplyGainCurve(TraceBlock& block, const std::vector<float>& curve) {
  for (int j = 0; j < block.traces; ++j) {
    float* trace = block.Trace(j);
    for (int i = 0; i < block.samples; ++i) trace[i] *= curve[static_cast<std::size_t>(i)];
  }
}

}  // namespace tarvix::sievex
