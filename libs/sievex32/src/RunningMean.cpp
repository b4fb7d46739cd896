#include "RunningMean.h"

#include <algorithm>
#include <cstddef>

namespace tarvix::sievex {

void CentredMeans(const float* values, int n, int half, float* means) {
  // A running sum in double stays exact for integer samples, so a constant's mean is the constant.
  double sum = 0.0;
  const int firstEnd = std::min(half, n - 1);
  for (int i = 0; i <= firstEnd; ++i) sum += values[i];
  for (int i = 0; i < n; ++i) {
    const int low = std::max(0, i - half);
    const int high = std::min(n - 1, i + half);
    means[i] = static_cast<float>(sum / (high - low + 1));
    if (i + half + 1 < n) sum += values[i + half + 1];
    if (i - half >= 0) sum -= values[i - half];
  }
}

TraceBlock CentredTraceMeans(const TraceBlock& block, int half) {
  TraceBlock means(block.samples, block.traces);
  const auto samples = static_cast<std::size_t>(block.samples);
  std::vector<double> sum(samples, 0.0);
  auto add = [&](int trace, double sign) {
    const float* values = block.Trace(trace);
    for (std::size_t s = 0; s < samples; ++s) sum[s] += sign * values[s];
  };
  for (int j = 0; j <= std::min(half, block.traces - 1); ++j) add(j, 1.0);
  for (int j = 0; j < block.traces; ++j) {
    const int count = std::min(block.traces - 1, j + half) - std::max(0, j - half) + 1;
    float* mean = means.Trace(j);
    for (std::size_t s = 0; s < samples; ++s) mean[s] = static_cast<float>(sum[s] / count);
    if (j + half + 1 < block.traces) add(j + half + 1, 1.0);
    if (j - half >= 0) add(j - half, -1.0);
  }
  return means;
}

std::vector<float> MeanTrace(const TraceBlock& block) {
  const auto samples = static_cast<std::size_t>(block.samples);
  std::vector<double> sum(samples, 0.0);
  for (int j = 0; j < block.traces; ++j) {
    const float* values = block.Trace(j);
    for (std::size_t s = 0; s < samples; ++s) sum[s] += values[s];
  }
  std::vector<float> mean(samples, 0.0f);
  if (block.traces > 0)
    for (std::size_t s = 0; s < samples; ++s) mean[s] = static_cast<float>(sum[s] / block.traces);
  return mean;
}

}  // namespace tarvix::sievex
