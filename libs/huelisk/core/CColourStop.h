#pragma once
#include <cstdint>

namespace tarvix::huelisk {

// A colour pinned to a place on the palette: 0 is entry 0, 1 is entry 63.
struct CColourStop {
  double position = 0.0;
  std::uint32_t rgb = 0;  // 0x00RRGGBB

  bool operator==(const CColourStop&) const = default;
};

}  // namespace tarvix::huelisk
