#pragma once
#include <vector>

#include "platform/Colour.h"
#include "platform/Geometry.h"

namespace tarvix {

class KRadarProfile;

// The diffraction hyperbola the interpreter fits over a buried object.
struct Hyperbola {
  Colour colour = Rgb(255, 255, 0);
  float velocity = 0;  // m/µs
  float angle = 90;    // degrees between the profile and the object
  float radius = 0;    // metres
  Point apex;          // client pixels
  const KRadarProfile* profile = nullptr;
};

// The points of the curve with its apex at `apex`, inside `clip` (right and bottom excluded), to be
// joined in order. `firstSample` is the sample at the clip's top row.
std::vector<Point> HyperbolaPoints(const Hyperbola& hyperbola, Point apex, const Rect& clip, int firstSample,
                                   int zeroLevel);

}  // namespace tarvix
