#pragma once
#include <cstdint>

namespace tarvix {

// One GPS fix of a profile, taken at a trace.
struct CCoord {
  std::int32_t trace = 0;
  double latitude = 0;   // degrees, north positive
  double longitude = 0;  // degrees, east positive
  double altitude = 0;
};

}  // namespace tarvix
