#include "sitemap/AxisFrame.h"

#include <cmath>
#include <cstdint>

#include "app/AppContext.h"
#include "platform/UserInterface.h"

namespace tarvix {

namespace {

constexpr Colour kBlack = Rgb(0, 0, 0);

void ReportFontError(const std::string& text) {
  App().ui.ShowMessage(Message{text, "ERROR", MessageIcon::Error, MessageButtons::Ok});
}

}  // namespace

void AxisFrame::Configure(const Rect& plot, const DataRect& data, UnitsPerPixel units, int zero, int strips,
                          bool down, int labelEvery, AxisMode axisMode) {
  plotRect = plot;
  dataRect = data;
  unitsPerPixel = units;
  zeroLevel = zero;
  stripCount = strips;
  valuesDown = down;
  xLabelEvery = labelEvery;
  mode = axisMode;
  xTitle = " ";
  yTitle = " ";
}

int AxisFrame::Scaled(double length) const { return TruncToPixel(length * scaleFactor); }

void AxisFrame::ComputeTicks() {
  AxisTicks& ticks = *this;
  ticks = mode == AxisMode::Linear ? ComputeLinearTicks(*this) : ComputeGeographicTicks(*this);
  if (mode != AxisMode::Utm) return;
  const std::string zone = RelabelUtm(ticks);
  xTitle = "UTM Zone: " + zone + "   Easting";
  yTitle = "Northing";
}

void AxisFrame::Draw(Canvas& canvas, int sides) {
  // Ticks belong to one paint: a paint that draws nothing leaves none for the grid.
  static_cast<AxisTicks&>(*this) = AxisTicks{};
  if (!HasUsableScale(*this) || dataRect.x1 == dataRect.x0 || dataRect.y1 == dataRect.y0) return;

  const Font horizontal{"Arial", Scaled(14), 400, 0};
  const Font vertical{"Arial", Scaled(13), 400, 900};
  // Both fonts are made first, so each failure is told once a paint; the vertical one stays selected.
  if (!canvas.SetFont(horizontal)) ReportFontError("Error creating font!");
  if (!canvas.SetFont(vertical)) ReportFontError("Error vertical creating font!");
  canvas.SetTextColour(kBlack);
  canvas.SetPen(Pen{kBlack, 1, PenStyle::Solid});

  const Rect frame = plotRect.Inflate(5);
  DrawFrame(canvas, frame, sides);
  canvas.SetTextAlign({HAlign::Centre, VAlign::Top});
  ComputeTicks();
  canvas.TextOut({TruncToPixel(frame.left - 45 * scaleFactor), (frame.top + frame.bottom) / 2}, yTitle);

  canvas.SetFont(horizontal);
  const int textHeight = canvas.TextExtent("TEST").cy;
  canvas.TextOut(
      {(frame.left + frame.right) / 2, TruncToPixel(frame.top - 2.0 * textHeight - 15 * scaleFactor)},
      xTitle);

  // Degrees and seven-digit values are too wide to stand beside the frame.
  const bool verticalLabels =
      mode != AxisMode::Linear || std::trunc(dataRect.y0 * unitsPerPixel.y) > 999999.0;
  if (verticalLabels) canvas.SetFont(vertical);
  DrawYTicks(canvas, frame, sides, verticalLabels);
  if (!canvas.IsPrinting()) DrawZeroLevelMarks(canvas, frame);

  canvas.SetTextAlign({HAlign::Centre, VAlign::Top});
  if (verticalLabels) canvas.SetFont(horizontal);
  DrawXTicks(canvas, frame, sides, textHeight);
  canvas.SetTextAlign({HAlign::Left, VAlign::Top});
}

void AxisFrame::DrawFrame(Canvas& canvas, const Rect& frame, int sides) const {
  if (sides & AxisSide::Top) canvas.Line({frame.left, frame.top}, {frame.right, frame.top});
  if (sides & AxisSide::Right) canvas.Line({frame.right, frame.top}, {frame.right, frame.bottom});
  if (sides & AxisSide::Bottom) canvas.Line({frame.right, frame.bottom}, {frame.left, frame.bottom});
  if (sides & AxisSide::Left) canvas.Line({frame.left, frame.bottom}, {frame.left, frame.top});
}

void AxisFrame::DrawYTicks(Canvas& canvas, const Rect& frame, int sides, bool verticalLabels) const {
  if (yTicks.empty()) return;
  const double stripHeight = static_cast<double>(plotRect.bottom - plotRect.top) / Strips();
  const double first = yTicks.front();
  for (int strip = 0; strip < Strips(); ++strip) {
    const double stripTop = plotRect.top + strip * stripHeight;
    for (std::size_t j = 0; j < yTicks.size(); ++j) {
      const double at = yTicks[j] + strip * stripHeight;
      // Ticks too near the strip's end would run into the next strip's first label.
      if (at + 8 > first + (strip + 1) * stripHeight) continue;
      if (at < stripTop || at > stripTop + stripHeight) continue;
      DrawYTick(canvas, frame, sides, verticalLabels, at, yLabels[j]);
    }
  }
}

void AxisFrame::DrawYTick(Canvas& canvas, const Rect& frame, int sides, bool verticalLabels, double at,
                          const std::string& label) const {
  const int y = TruncToPixel(at);
  const bool labelled = !label.empty();
  if (labelled && verticalLabels) {
    if (sides & AxisSide::Left) canvas.TextOut({TruncToPixel(frame.left - 30 * scaleFactor), y}, label);
    if (sides & AxisSide::Right) canvas.TextOut({TruncToPixel(frame.right + 12 * scaleFactor), y}, label);
  } else if (labelled) {
    const int top = TruncToPixel(at - 5);
    if (sides & AxisSide::Left) {
      canvas.SetTextAlign({HAlign::Right, VAlign::Top});
      canvas.TextOut({TruncToPixel(frame.left - 10 * scaleFactor), top}, label);
    }
    if (sides & AxisSide::Right) {
      canvas.SetTextAlign({HAlign::Left, VAlign::Top});
      canvas.TextOut({TruncToPixel(frame.right + 10 * scaleFactor), top}, label);
    }
  }
  const int length = TickLength(labelled);
  if (sides & AxisSide::Left) canvas.Line({frame.left - length, y}, {frame.left, y});
  if (sides & AxisSide::Right) canvas.Line({frame.right + length, y}, {frame.right, y});
}

// Red triangles either side of each strip at the zero level, a screen-only reading aid; their
// distances from the frame are not scaled.
void AxisFrame::DrawZeroLevelMarks(Canvas& canvas, const Rect& frame) const {
  const std::int64_t level = static_cast<std::int64_t>(zeroLevel) - dataRect.y0;
  const int stripPixels = (plotRect.bottom - plotRect.top) / Strips();
  if (level <= 0 || level >= stripPixels + 1) return;
  canvas.SetBrush(Brush{Rgb(255, 0, 0), BrushStyle::Solid});
  for (int strip = 0; strip < Strips(); ++strip) {
    const int shift = strip * (stripPixels + 1);
    const int z = static_cast<int>(level);
    const int y = valuesDown ? plotRect.top + shift + z : plotRect.bottom + shift - z;
    canvas.Polygon({{frame.left - 30, y - 6}, {frame.left - 30, y + 6}, {frame.left - 20, y}});
    canvas.Polygon({{frame.right + 40, y - 6}, {frame.right + 40, y + 6}, {frame.right + 30, y}});
  }
}

void AxisFrame::DrawXTicks(Canvas& canvas, const Rect& frame, int sides, int textHeight) const {
  // Degree labels sit a little right of their ticks.
  const int labelShift = mode == AxisMode::Linear ? 0 : 5;
  for (std::size_t j = 0; j < xTicks.size(); ++j) {
    const int x = xTicks[j];
    if (x < plotRect.left || x > plotRect.right) continue;
    const bool labelled = !xLabels[j].empty();
    if (labelled && (sides & AxisSide::Top))
      canvas.TextOut({x + labelShift, TruncToPixel(frame.top - textHeight - 10 * scaleFactor)}, xLabels[j]);
    if (labelled && (sides & AxisSide::Bottom))
      canvas.TextOut({x + labelShift, TruncToPixel(frame.bottom + 10 * scaleFactor)}, xLabels[j]);
    const int length = TickLength(labelled);
    if (sides & AxisSide::Top) canvas.Line({x, frame.top - length}, {x, frame.top});
    if (sides & AxisSide::Bottom) canvas.Line({x, frame.bottom + length}, {x, frame.bottom});
  }
}

void AxisFrame::DrawGrid(Canvas& canvas) const {
  if (!showGrid) return;
  canvas.SetPen(Pen{Rgb(192, 192, 192), 1, mode == AxisMode::Linear ? PenStyle::Dot : PenStyle::Dash});
  const Rect frame = plotRect.Inflate(5);
  // The first strip's y ticks only.
  for (const int y : yTicks) canvas.Line({frame.left, y}, {frame.right, y});
  for (const int x : xTicks) canvas.Line({x, frame.top}, {x, frame.bottom});
}

}  // namespace tarvix
