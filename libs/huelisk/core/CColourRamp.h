#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "core/CColourStop.h"
#include "core/CPalette.h"

namespace tarvix::huelisk {

// Colour stops, sorted by position, and the 64 palette entries they give by linear
// interpolation in RGB. A ramp always keeps at least two stops.
class CColourRamp {
 public:
  static constexpr std::size_t kMinStops = 2;
  using Entries = std::array<std::uint32_t, CPalette::kEntries>;

  // Positions are clamped to 0..1 and sorted (stops at one position keep their order, which
  // makes a hard edge). Fewer than two stops are completed to a black-to-white ramp.
  explicit CColourRamp(std::vector<CColourStop> stops);

  // Few stops that give these entries, each channel within `tolerance` levels (0: exactly).
  static CColourRamp FromEntries(const Entries& entries, int tolerance = 0);

  const std::vector<CColourStop>& Stops() const { return stops_; }
  std::uint32_t ColourAt(double position) const;
  Entries ToEntries() const;

  // Each edit returns the index the stop has afterwards.
  std::size_t Add(CColourStop stop);
  std::size_t Move(std::size_t index, double position);
  void SetColour(std::size_t index, std::uint32_t rgb);
  // False, and nothing removed, when only two stops are left or the index is out of range.
  bool Remove(std::size_t index);

 private:
  std::vector<CColourStop> stops_;
};

}  // namespace tarvix::huelisk
