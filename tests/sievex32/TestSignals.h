#pragma once
#include <cmath>
#include <functional>
#include <numbers>
#include <random>

#include "TraceBlock.h"

namespace tarvix::sievex::testing {

// A block whose sample i of trace j is value(j, i).
inline TraceBlock MakeBlock(int samples, int traces, const std::function<double(int, int)>& value) {
  TraceBlock block(samples, traces);
  for (int j = 0; j < traces; ++j)
    for (int i = 0; i < samples; ++i) block.Trace(j)[i] = static_cast<float>(value(j, i));
  return block;
}

// One trace of a sine of `cycles` cycles per sample.
inline TraceBlock Sine(int samples, double cycles, double amplitude = 1000.0) {
  return MakeBlock(samples, 1,
                   [&](int, int i) { return amplitude * std::sin(2.0 * std::numbers::pi * cycles * i); });
}

// Noise, the same for every run.
inline TraceBlock Noise(int samples, int traces, unsigned seed) {
  std::mt19937 generator(seed);
  std::normal_distribution<double> normal(0.0, 1000.0);
  return MakeBlock(samples, traces, [&](int, int) { return normal(generator); });
}

// The root mean square of samples [first, last) of a trace.
inline double Rms(const TraceBlock& block, int trace, int first, int last) {
  double sum = 0.0;
  for (int i = first; i < last; ++i)
    sum += static_cast<double>(block.Trace(trace)[i]) * block.Trace(trace)[i];
  return std::sqrt(sum / (last - first));
}

}  // namespace tarvix::sievex::testing
