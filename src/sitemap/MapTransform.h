#pragma once
#include "model/Point3D.h"
#include "platform/Geometry.h"

namespace tarvix {

// Pixel coordinates handed to the drawing calls stay within this magnitude, so that positions
// far outside the window (large zooms of GPS degrees) cannot overflow them.
constexpr int kMapPixelLimit = 0xFFFFFF;

// A map coordinate in pixels: truncated toward zero, limited to ±kMapPixelLimit; NaN gives 0.
int ToMapPixel(double value);

// Truncates toward zero within the int range; NaN gives 0.
int TruncToInt(double value);

// How world positions (local metres, or 1/100000 degree in GPS projects) become pixels of the
// map at one moment: y grows upward in the world and downward on the surface.
struct MapTransform {
  double zoom = 1.0;  // pixels per world unit
  int scrollX = 0;
  int scrollY = 0;
  int height = 0;  // of the client area, or of the printable page
  int printMargin = 0;
  // Left-handed baseline projects show X upward and Y to the right.
  bool swapAxes = false;

  Point WorldToScreen(const point3D& world) const;
  // The world position under a pixel; z is 0.
  point3D ScreenToWorld(Point pixel) const;
  // The world point as the drawing sees it: swapped when the axes are exchanged.
  point3D Drawn(const point3D& world) const { return swapAxes ? point3D{world.y, world.x, world.z} : world; }
  // The pixel of a drawn-frame coordinate, for range tests of whole groups of points.
  int PixelX(double drawnX) const;
  int PixelY(double drawnY) const;
};

}  // namespace tarvix
