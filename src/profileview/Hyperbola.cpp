#include "profileview/Hyperbola.h"

#include <cmath>

#include "model/KRadarProfile.h"

namespace tarvix {

std::vector<Point> HyperbolaPoints(const Hyperbola& hyperbola, Point apex, const Rect& clip, int firstSample,
                                   int zeroLevel) {
  std::vector<Point> points;
  if (apex.y < clip.top || !hyperbola.profile) return points;
  const KHeaderInfo& header = hyperbola.profile->header;
  const int samples = header.GetSamples();
  // Metres per sample and per trace; a header without them gives a flat curve, not a division by 0.
  const float h = samples > 0 ? static_cast<float>(header.GetTimeWindow() * hyperbola.velocity / samples / 2000.0)
                              : 0.0f;
  const double interval = header.GetTraceInterval();
  const float e = interval != 0 ? static_cast<float>(h / interval) : 0.0f;
  const float l = h != 0 ? hyperbola.radius / h : 0.0f;
  const float a = static_cast<float>(firstSample + (apex.y - clip.top));
  // The object's centre, in samples below the first arrival.
  const float u = a - static_cast<float>(zeroLevel) + l;
  const float slant = static_cast<float>(std::sin(hyperbola.angle * 3.141592 / 180));
  for (int m = -200; m < 200; ++m) {
    const float t = e != 0 ? slant * static_cast<float>(m) / e : 0.0f;
    const float drop = std::sqrt(u * u + t * t) - u;
    if (!std::isfinite(drop)) continue;
    const Point p{apex.x + m, apex.y + static_cast<int>(drop)};
    if (p.x >= clip.left && p.x < clip.right && p.y >= clip.top && p.y < clip.bottom) points.push_back(p);
  }
  return points;
}

}  // namespace tarvix
