#include "profileview/SampleColourMap.h"

#include <cstring>

namespace tarvix {

namespace {

constexpr float kPer1024 = 1.0f / 1024.0f;
constexpr float kPer64 = 1.0f / 64.0f;

// Saturates before converting, so a gain beyond the sliders' range can neither wrap a bright
// sample into a dark entry nor convert an out-of-range float. NaN lands on entry 0.
inline int Entry(float v) {
  v = v > 0.0f ? v : 0.0f;
  v = v < 63.0f ? v : 63.0f;
  return static_cast<int>(v);
}

inline float Scaled16(std::int16_t sample, float gain) {
  return static_cast<float>(sample) * gain * kPer1024 + 32.0f;
}

inline float Scaled32(std::int32_t sample, float gain) {
  return static_cast<float>(sample) * gain * kPer1024 * kPer1024 * kPer64 + 32.0f;
}

}  // namespace

int SampleToColour16(std::int16_t sample, float gain) { return Entry(Scaled16(sample, gain)); }

int SampleToColour32(std::int32_t sample, float gain) { return Entry(Scaled32(sample, gain)); }

bool SampleColourMap::Prepare(const PaletteRecord& palette) {
  if (prepared_ && std::memcmp(&palette_, &palette, sizeof palette) == 0) return false;
  std::memcpy(&palette_, &palette, sizeof palette);
  prepared_ = true;
  table16_.resize(65536);
  for (int value = -32768; value <= 32767; ++value) {
    const auto sample = static_cast<std::int16_t>(value);
    table16_[static_cast<std::uint16_t>(sample)] = palette_.colours[static_cast<std::size_t>(
        SampleToColour16(sample, palette_.gain))];
  }
  return true;
}

void SampleColourMap::Map16(const std::int16_t* samples, int count, std::uint32_t* out,
                            std::ptrdiff_t stride) const {
  const Colour* table = table16_.data();
  for (int i = 0; i < count; ++i) out[i * stride] = table[static_cast<std::uint16_t>(samples[i])];
}

void SampleColourMap::Map32(const std::int32_t* samples, int count, std::uint32_t* out,
                            std::ptrdiff_t stride) const {
  // Entries first in a loop of plain float arithmetic, then the palette look-ups.
  constexpr int kChunk = 256;
  int entries[kChunk];
  const float gain = palette_.gain;
  for (int start = 0; start < count; start += kChunk) {
    const int n = count - start < kChunk ? count - start : kChunk;
    const std::int32_t* in = samples + start;
    for (int i = 0; i < n; ++i) entries[i] = Entry(Scaled32(in[i], gain));
    std::uint32_t* column = out + start * stride;
    for (int i = 0; i < n; ++i) column[i * stride] = palette_.colours[static_cast<std::size_t>(entries[i])];
  }
}

}  // namespace tarvix
