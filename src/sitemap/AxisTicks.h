#pragma once
#include <string>
#include <vector>

#include "platform/Geometry.h"

namespace tarvix {

// The plot's edges in data coordinates. Linear axes count data pixels (value / units per pixel)
// from the data origin: x0 at the left edge, y0 at the edge the values start from. Geographic
// axes count 1/100000 degree: x0/x1 the longitudes at the left/right edges, y0/y1 the latitudes
// at the bottom/top edges.
struct DataRect {
  int x0 = 0;
  int y0 = 0;
  int x1 = 0;
  int y1 = 0;
};

struct UnitsPerPixel {
  double x = 0.0;
  double y = 0.0;
};

// What the tick computation reads: the plot, its data extent and how it is drawn.
struct AxisScale {
  Rect plotRect;
  DataRect dataRect;
  UnitsPerPixel unitsPerPixel;
  // Linear axes: the data-pixel position of value 0 on the y axis.
  int zeroLevel = 0;
  // Horizontal strips the plot is cut into; the y scale repeats in each.
  int stripCount = 1;
  // Linear axes label only every xLabelEvery-th x tick.
  int xLabelEvery = 5;
  // Multiplies font heights, text offsets and tick lengths (the printer-to-screen ratio on paper).
  double scaleFactor = 1.0;
  // Linear y values grow downward from the top edge instead of upward from the bottom edge.
  bool valuesDown = false;

  // At least one strip, whatever the caller stored.
  int Strips() const { return stripCount > 1 ? stripCount : 1; }
};

// What one paint computes: tick positions in device pixels, one label per tick (empty when the
// tick carries none) and the formats the labels were made with.
struct AxisTicks {
  std::string xLabelFormat;
  std::string yLabelFormat;
  // Geographic axes: degrees of the first and last tick on each axis; northings and eastings
  // once relabelled in UTM.
  double latBottom = 0.0;
  double latTop = 0.0;
  double lonLeft = 0.0;
  double lonRight = 0.0;
  std::vector<int> yTicks;
  std::vector<int> xTicks;
  std::vector<std::string> yLabels;
  std::vector<std::string> xLabels;
};

// Truncates toward zero, clamped to the int range, for pixel positions computed in doubles.
int TruncToPixel(double value);

// False for a scale that cannot be drawn: units per pixel or scale factor zero, negative or not
// finite (the spacing search would never end).
bool HasUsableScale(const AxisScale& scale);

// Ticks at whole multiples of a power-of-five step counted from the data origin.
AxisTicks ComputeLinearTicks(const AxisScale& scale);

// Five equal steps of latitude and longitude, every tick labelled in degrees, minutes, seconds.
AxisTicks ComputeGeographicTicks(const AxisScale& scale);

// Replaces geographic labels by UTM northings and eastings interpolated linearly between the
// corner ticks (latBottom/lonLeft and latTop/lonRight, which are overwritten with the grid
// values). Returns the zone of the top-right corner.
std::string RelabelUtm(AxisTicks& ticks);

// "%6.3f" .. "%3.0f": enough decimals for labels a multiple of `step` apart.
std::string LinearLabelFormat(double step);

// The seconds part of a DMS label for ticks `valueStep` (1/100000 degree) apart.
std::string SecondsFormat(double valueStep);

// 55.7035 with "%03.1f" reads 55°42' 12.6''; west and south carry a leading "-".
std::string DmsLabel(double degrees, const std::string& secondsFormat);

}  // namespace tarvix
