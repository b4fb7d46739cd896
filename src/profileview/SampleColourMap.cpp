#include "profileview/SampleColourMap.h"

#include <algorithm>
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

inline float Scaled(std::int16_t sample, float gain) {
  return static_cast<float>(sample) * gain * kPer1024 + 32.0f;
}

inline float Scaled(std::int32_t sample, float gain) {
  return static_cast<float>(sample) * gain * kPer1024 * kPer1024 * kPer64 + 32.0f;
}

}  // namespace

int SampleToColour16(std::int16_t sample, float gain) { return Entry(Scaled(sample, gain)); }

int SampleToColour32(std::int32_t sample, float gain) { return Entry(Scaled(sample, gain)); }

bool SampleColourMap::Prepare(const PaletteRecord& palette) {
  if (prepared_ && std::memcmp(&palette_, &palette, sizeof palette) == 0) return false;
  std::memcpy(&palette_, &palette, sizeof palette);
  prepared_ = true;
  return true;
}

Colour SampleColourMap::ZeroColour() const {
  return palette_.colours[static_cast<std::size_t>(SampleToColour16(0, palette_.gain))];
}

template <typename Sample>
void SampleColourMap::Map(const Sample* samples, std::ptrdiff_t traceStride, int columns, int rows, std::uint32_t* out,
                          std::ptrdiff_t outStride) const {
  const float gain = palette_.gain;
  // A local copy: the image's pixels could alias the palette, which would stop the compiler
  // from keeping the lookup table out of the loop.
  Colour colours[64];
  std::copy(palette_.colours.begin(), palette_.colours.end(), colours);
  for (int x = 0; x < columns; ++x) {
    const Sample* trace = samples + x * traceStride;
    std::uint32_t* column = out + x;
    for (int r = 0; r < rows; ++r) column[r * outStride] = colours[Entry(Scaled(trace[r], gain))];
  }
}

void SampleColourMap::Map16(const std::int16_t* samples, std::ptrdiff_t traceStride, int columns, int rows,
                            std::uint32_t* out, std::ptrdiff_t outStride) const {
  Map(samples, traceStride, columns, rows, out, outStride);
}

void SampleColourMap::Map32(const std::int32_t* samples, std::ptrdiff_t traceStride, int columns, int rows,
                            std::uint32_t* out, std::ptrdiff_t outStride) const {
  Map(samples, traceStride, columns, rows, out, outStride);
}

}  // namespace tarvix
