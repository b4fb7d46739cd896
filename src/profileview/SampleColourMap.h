#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/AppSettings.h"
#include "platform/Colour.h"

namespace tarvix {

// The palette entry of a sample: value × gain scaled so that gain 1 spreads the full sample
// range over the 64 entries, 0 at entry 32, in single precision and truncated toward zero.
// Values below the palette give entry 0 and values above it entry 63, whatever the gain.
int SampleToColour16(std::int16_t sample, float gain);
int SampleToColour32(std::int32_t sample, float gain);

// Maps runs of samples to palette colours for the radargram image: a table of every 16-bit
// value, and for 32-bit samples the same arithmetic in a loop the compiler vectorises. The table
// is rebuilt only when the palette or the gain changed.
class SampleColourMap {
 public:
  // Takes the palette and gain in force; true when they differ from the last ones.
  bool Prepare(const PaletteRecord& palette);

  // Writes count colours to out, out + stride, ...: the colours of samples[0 .. count − 1].
  void Map16(const std::int16_t* samples, int count, std::uint32_t* out, std::ptrdiff_t stride) const;
  void Map32(const std::int32_t* samples, int count, std::uint32_t* out, std::ptrdiff_t stride) const;

  // The colour painted where there is no sample.
  Colour ZeroColour() const { return palette_.colours[32]; }

 private:
  PaletteRecord palette_;
  bool prepared_ = false;
  std::vector<Colour> table16_;  // indexed by the sample as an unsigned 16-bit value
};

}  // namespace tarvix
