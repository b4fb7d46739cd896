#include "sitemap/MapTransform.h"

#include <cmath>
#include <limits>

namespace tarvix {

int ToMapPixel(double value) {
  if (std::isnan(value)) return 0;
  if (std::fabs(value) >= kMapPixelLimit) return value < 0 ? -kMapPixelLimit : kMapPixelLimit;
  return static_cast<int>(value);
}

int TruncToInt(double value) {
  if (std::isnan(value)) return 0;
  constexpr double lowest = std::numeric_limits<int>::min();
  constexpr double highest = std::numeric_limits<int>::max();
  if (value <= lowest) return std::numeric_limits<int>::min();
  if (value >= highest) return std::numeric_limits<int>::max();
  return static_cast<int>(value);
}

int MapTransform::PixelX(double drawnX) const { return ToMapPixel(zoom * drawnX - scrollX); }

int MapTransform::PixelY(double drawnY) const {
  return ToMapPixel(height - (zoom * drawnY - scrollY + printMargin));
}

Point MapTransform::WorldToScreen(const point3D& world) const {
  const point3D drawn = Drawn(world);
  return {PixelX(drawn.x), PixelY(drawn.y)};
}

point3D MapTransform::ScreenToWorld(Point pixel) const {
  const double x = (static_cast<double>(pixel.x) + scrollX) / zoom;
  const double y = (static_cast<double>(scrollY) + height - printMargin - pixel.y) / zoom;
  return swapAxes ? point3D{y, x, 0} : point3D{x, y, 0};
}

}  // namespace tarvix
