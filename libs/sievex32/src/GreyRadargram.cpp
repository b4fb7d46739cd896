#include "GreyRadargram.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace tarvix::sievex {

std::vector<std::uint8_t> GreyRadargram(const TraceBlock& block) {
  std::vector<std::uint8_t> pixels(block.data.size(), 128);
  if (block.data.empty()) return pixels;
  std::vector<float> magnitudes(block.data.size());
  std::transform(block.data.begin(), block.data.end(), magnitudes.begin(),
                 [](float v) { return std::fabs(v); });
  const auto rank = static_cast<std::ptrdiff_t>((magnitudes.size() - 1) * 99 / 100);
  std::nth_element(magnitudes.begin(), magnitudes.begin() + rank, magnitudes.end());
  const float scale = magnitudes[static_cast<std::size_t>(rank)];
  if (!(scale > 0.0f)) return pixels;
  const auto width = static_cast<std::size_t>(block.traces);
  for (int trace = 0; trace < block.traces; ++trace) {
    const float* values = block.Trace(trace);
    for (int sample = 0; sample < block.samples; ++sample) {
      const float level = std::clamp(values[sample] / scale, -1.0f, 1.0f);
      pixels[static_cast<std::size_t>(sample) * width + static_cast<std::size_t>(trace)] =
          static_cast<std::uint8_t>(std::lround(127.5f + 127.5f * level));
    }
  }
  return pixels;
}

}  // namespace tarvix::sievex
