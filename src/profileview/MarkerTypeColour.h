#pragma once
#include <array>

#include "platform/Colour.h"

namespace tarvix {

// The colour of marker types 0..13 on the radargram, in the marker list and in the dialogs.
inline constexpr std::array<Colour, 14> kMarkerTypeColours = {
    Rgb(0, 0, 0),   Rgb(255, 0, 0),   Rgb(0, 255, 0), Rgb(0, 0, 255), Rgb(255, 255, 0),
    Rgb(0, 255, 255), Rgb(255, 0, 255), Rgb(0, 0, 0),   Rgb(255, 0, 0), Rgb(0, 255, 0),
    Rgb(0, 0, 255), Rgb(255, 255, 0), Rgb(0, 255, 255), Rgb(255, 0, 255)};

// Types outside the table are black.
constexpr Colour MarkerTypeColour(int type) {
  return type >= 0 && type < static_cast<int>(kMarkerTypeColours.size())
             ? kMarkerTypeColours[static_cast<std::size_t>(type)]
             : Rgb(0, 0, 0);
}

}  // namespace tarvix
