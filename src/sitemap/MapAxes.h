#pragma once
#include "platform/Geometry.h"
#include "sitemap/AxisFrame.h"

namespace tarvix {

// What the map's axes are set up from in one paint.
struct MapAxesSetup {
  Rect plot;          // in device pixels
  int dataOffsetX = 0;  // the data rectangle is the plot moved by these
  int dataOffsetY = 0;
  double zoom = 1.0;
  bool gpsProject = false;
  bool utmDisplay = false;
  bool showGrid = false;
  double scaleFactor = 1.0;
};

// Configures the axes and sets their titles for the map; returns the power of 1000 the axis
// values are divided by. Linear axes in local metres or feet for baseline projects, degrees
// (or UTM when asked) for GPS projects.
int ConfigureMapAxes(AxisFrame& axes, const MapAxesSetup& setup);

}  // namespace tarvix
