#pragma once
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "TraceBlock.h"

namespace tarvix::sievex {

// The nearest value of the sample type, saturating at its range; NaN becomes 0.
template <typename Sample>
Sample Saturate(double value) {
  constexpr double lowest = static_cast<double>(std::numeric_limits<Sample>::min());
  constexpr double highest = static_cast<double>(std::numeric_limits<Sample>::max());
  if (std::isnan(value)) return 0;
  if (value <= lowest) return std::numeric_limits<Sample>::min();
  if (value >= highest) return std::numeric_limits<Sample>::max();
  return static_cast<Sample>(std::llrint(value));
}

template <typename Sample>
void ToFloat(const Sample* source, TraceBlock& block) {
  for (std::size_t i = 0; i < block.data.size(); ++i) block.data[i] = static_cast<float>(source[i]);
}

template <typename Sample>
void FromFloat(const TraceBlock& block, Sample* destination) {
  for (std::size_t i = 0; i < block.data.size(); ++i) destination[i] = Saturate<Sample>(block.data[i]);
}

}  // namespace tarvix::sievex
