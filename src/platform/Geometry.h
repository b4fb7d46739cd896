#pragma once

namespace tarvix {

// Device-pixel geometry shared by the drawing and event interfaces.
struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// Left/top inclusive, right/bottom exclusive, as window rectangles are.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  Rect Inflate(int d) const { return {left - d, top - d, right + d, bottom + d}; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace tarvix
