#pragma once
#include <cstdint>

namespace tarvix {

// A colour as the 32-bit pixel value the radargram image uses: 0x00RRGGBB.
using Colour = std::uint32_t;

constexpr Colour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return (Colour{r} << 16) | (Colour{g} << 8) | Colour{b};
}
constexpr std::uint8_t RedOf(Colour c) { return static_cast<std::uint8_t>(c >> 16); }
constexpr std::uint8_t GreenOf(Colour c) { return static_cast<std::uint8_t>(c >> 8); }
constexpr std::uint8_t BlueOf(Colour c) { return static_cast<std::uint8_t>(c); }

}  // namespace tarvix
