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

// Maps blocks of traces to palette colours for the radargram image: the entries of each trace in
// chunks the compiler turns into vector arithmetic, then the colours down the trace's column.
class SampleColourMap {
 public:
  // Takes the palette and gain in force; true when they differ from the last ones.
  bool Prepare(const PaletteRecord& palette);

  // Maps a block of `columns` traces, `rows` samples each, to an image region: sample r of trace
  // c (at samples + c × traceStride + r) becomes pixel out[r × outStride + c].
  void Map16(const std::int16_t* samples, std::ptrdiff_t traceStride, int columns, int rows, std::uint32_t* out,
             std::ptrdiff_t outStride) const;
  void Map32(const std::int32_t* samples, std::ptrdiff_t traceStride, int columns, int rows, std::uint32_t* out,
             std::ptrdiff_t outStride) const;

  // The colour painted where there is no sample.
  Colour ZeroColour() const;

 private:
  template <typename Sample>
  void Map(const Sample* samples, std::ptrdiff_t traceStride, int columns, int rows, std::uint32_t* out,
           std::ptrdiff_t outStride) const;

  PaletteRecord palette_;
  bool prepared_ = false;
};

}  // namespace tarvix
