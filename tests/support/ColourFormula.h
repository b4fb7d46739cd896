#pragma once
#include <cstdint>

namespace tarvix::testing {

// The radargram's sample-to-palette mapping written down step by step, the reference the fast
// mapping is compared with: scale in single precision, truncate toward zero, read the low 16
// bits as a signed value, then clip to the 64 entries.
inline int FormulaEntry(float v) {
  const int i = static_cast<int>(v);
  const auto low = static_cast<std::int16_t>(static_cast<std::uint16_t>(i & 0xFFFF));
  return low < 0 ? 0 : low > 63 ? 63 : low;
}

inline int FormulaEntry16(std::int16_t sample, float gain) {
  return FormulaEntry(static_cast<float>(sample) * gain * (1.0f / 1024.0f) + 32.0f);
}

inline int FormulaEntry32(std::int32_t sample, float gain) {
  return FormulaEntry(static_cast<float>(sample) * gain * (1.0f / 1024.0f) * (1.0f / 1024.0f) * (1.0f / 64.0f) +
                      32.0f);
}

}  // namespace tarvix::testing
