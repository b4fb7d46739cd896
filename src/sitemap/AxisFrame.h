#pragma once
#include <string>

#include "platform/Canvas.h"
#include "sitemap/AxisTicks.h"

namespace tarvix {

enum class AxisMode { Linear = 0, Geographic = 1, Utm = 2 };

// Sides of the frame, combined as bits for Draw.
struct AxisSide {
  static constexpr int Left = 1;
  static constexpr int Right = 2;
  static constexpr int Top = 4;
  static constexpr int Bottom = 8;
  static constexpr int All = 15;
};

// Frame, ticks, labels, titles and grid around a rectangular plot; the profile view and the site
// map each own one. A view configures it before every paint, then sets the titles, scaleFactor
// and showGrid directly, then draws. Draw and DrawGrid leave their own pen, brush and font
// selected on the canvas.
class AxisFrame : public AxisScale, public AxisTicks {
 public:
  std::string xTitle = " ";  // above the plot
  std::string yTitle = " ";  // left of the plot, reading upward
  AxisMode mode = AxisMode::Linear;
  bool showGrid = false;

  // Stores the arguments and sets both titles to one blank.
  void Configure(const Rect& plot, const DataRect& data, UnitsPerPixel units, int zero, int strips, bool down,
                 int labelEvery, AxisMode axisMode);

  // Computes the ticks and draws everything but the grid on the sides given (AxisSide bits).
  // Draws nothing for an unusable scale or an empty data extent.
  void Draw(Canvas& canvas, int sides);

  // Grid lines through the ticks of the last Draw, when showGrid is set.
  void DrawGrid(Canvas& canvas) const;

 private:
  void ComputeTicks();
  int Scaled(double length) const;
  int TickLength(bool labelled) const { return Scaled(labelled ? 8 : 4); }
  void DrawFrame(Canvas& canvas, const Rect& frame, int sides) const;
  void DrawYTicks(Canvas& canvas, const Rect& frame, int sides, bool verticalLabels) const;
  void DrawYTick(Canvas& canvas, const Rect& frame, int sides, bool verticalLabels, double at,
                 const std::string& label) const;
  void DrawZeroLevelMarks(Canvas& canvas, const Rect& frame) const;
  void DrawXTicks(Canvas& canvas, const Rect& frame, int sides, int textHeight) const;
};

}  // namespace tarvix
