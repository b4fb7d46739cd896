#pragma once
#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace tarvix::testing {

// A canvas that records every drawing call with the state selected at the time.
// Text metrics are fixed: each character is half the font height wide, a line is the font height.
class RecordingCanvas : public Canvas {
 public:
  enum class Op { Line, Polyline, Polygon, Rectangle, Ellipse, RoundRect, FillRect, InvertRect, TextOut,
                  DrawTextCentred, DrawImage };

  struct Call {
    Op op;
    std::vector<Point> points;  // Line: from, to; Polyline/Polygon: the points; TextOut: the anchor
    Rect rect;                  // rectangles, text boxes and image destinations
    std::string text;
    Pen pen;
    Brush brush;
    Font font;
    Colour textColour;
    TextAlign align;
    BackgroundMode backgroundMode;
  };

  explicit RecordingCanvas(bool printing = false, int pixelsPerInch = 96)
      : printing_(printing), pixelsPerInch_(pixelsPerInch) {}

  void SetPen(const Pen& pen) override { pen_ = pen; }
  void SetBrush(const Brush& brush) override { brush_ = brush; }
  bool SetFont(const Font& font) override;
  void SetTextColour(Colour colour) override { textColour_ = colour; }
  void SetBackgroundMode(BackgroundMode mode) override { backgroundMode_ = mode; }
  void SetBackgroundColour(Colour colour) override { backgroundColour_ = colour; }
  void SetTextAlign(TextAlign align) override { align_ = align; }

  void Line(Point from, Point to) override;
  void Polyline(const std::vector<Point>& points) override;
  void Polygon(const std::vector<Point>& points) override;
  void Rectangle(const Rect& rect) override;
  void Ellipse(const Rect& rect) override;
  void RoundRect(const Rect& rect, int cornerWidth, int cornerHeight) override;
  void FillRect(const Rect& rect, Colour colour) override;
  void InvertRect(const Rect& rect) override;
  void TextOut(Point at, const std::string& text) override;
  void DrawTextCentred(const Rect& box, const std::string& text) override;
  Size TextExtent(const std::string& text) override;
  void DrawImage(const Rect& dest, const ImageView& image) override;

  bool IsPrinting() const override { return printing_; }
  int PixelsPerInchX() const override { return pixelsPerInch_; }
  int PixelsPerInchY() const override { return pixelsPerInch_; }

  // Fonts with this escapement cannot be made (to test the failure messages); -1 for none.
  int failingEscapement = -1;

  std::vector<Call> calls;
  std::vector<Call> CallsOf(Op op) const;
  std::vector<std::string> Texts() const;

 private:
  Call Make(Op op) const;

  bool printing_;
  int pixelsPerInch_;
  Pen pen_;
  Brush brush_;
  Font font_;
  Colour textColour_ = 0;
  Colour backgroundColour_ = 0xFFFFFF;
  TextAlign align_;
  BackgroundMode backgroundMode_ = BackgroundMode::Opaque;
};

}  // namespace tarvix::testing
