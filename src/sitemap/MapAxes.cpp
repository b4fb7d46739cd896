#include "sitemap/MapAxes.h"

#include <cmath>

#include "app/AppContext.h"
#include "model/TextLines.h"
#include "sitemap/MapTransform.h"

namespace tarvix {

namespace {

// Beyond this the multiplier would leave the int range; such scales show no usable map anyway.
constexpr int kLargestMultiplier = 1000000000;

std::string DistanceTitle(const char* axis, int multiplier) {
  const std::string unit = UnitLabel();
  if (multiplier == 1) return std::string(axis) + " Distance [" + unit + "]";
  return Format("%s Distance [x%d %s]", axis, multiplier, unit.c_str());
}

}  // namespace

int ConfigureMapAxes(AxisFrame& axes, const MapAxesSetup& setup) {
  const Rect& plot = setup.plot;
  DataRect data{plot.left + setup.dataOffsetX, plot.top + setup.dataOffsetY, plot.right + setup.dataOffsetX,
                plot.bottom + setup.dataOffsetY};
  // Single precision, as the axis values have always been scaled.
  float units = static_cast<float>(MetresToDisplay(1.0 / setup.zoom));
  int multiplier = 1;
  while (std::isfinite(units) && multiplier < kLargestMultiplier &&
         (units > 1000 || static_cast<float>(plot.Width()) * units > 10000)) {
    multiplier *= 1000;
    units /= 1000;
  }
  UnitsPerPixel perPixel{units, units};
  AxisMode mode = AxisMode::Linear;
  if (setup.gpsProject) {
    // The axes count 1/100000 degree, as the world does.
    data = {TruncToInt(data.x0 / setup.zoom), TruncToInt(data.y0 / setup.zoom), TruncToInt(data.x1 / setup.zoom),
            TruncToInt(data.y1 / setup.zoom)};
    perPixel.x *= setup.zoom;
    perPixel.y *= setup.zoom;
    mode = setup.utmDisplay ? AxisMode::Utm : AxisMode::Geographic;
  }
  axes.Configure(plot, data, perPixel, 0, 1, false, 5, mode);
  axes.scaleFactor = setup.scaleFactor;
  axes.showGrid = setup.showGrid;
  if (setup.gpsProject) {
    axes.xTitle = "Longitude";
    axes.yTitle = "Latitude";
  } else {
    const std::string x = DistanceTitle("X", multiplier);
    const std::string y = DistanceTitle("Y", multiplier);
    // Left-handed projects draw X upward, so the vertical axis carries the X title.
    const bool leftHanded = App().settings.Orientation == 0;
    axes.xTitle = leftHanded ? y : x;
    axes.yTitle = leftHanded ? x : y;
  }
  return multiplier;
}

}  // namespace tarvix
