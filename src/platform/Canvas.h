#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Colour.h"
#include "platform/Geometry.h"

namespace tarvix {

enum class PenStyle { Solid, Dash, Dot, None };
enum class BrushStyle { Solid, None };
enum class BackgroundMode { Transparent, Opaque };

struct Pen {
  Colour colour = 0;
  int width = 1;
  PenStyle style = PenStyle::Solid;
  friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
  Colour colour = 0xFFFFFF;
  BrushStyle style = BrushStyle::Solid;
  friend bool operator==(const Brush&, const Brush&) = default;
};

// A font as the drawing code asks for it: height in device pixels, weight 400 normal / 700 bold,
// escapement in tenths of a degree counter-clockwise (900 reads upward, 2700 downward).
struct Font {
  std::string face = "Arial";
  int height = 12;
  int weight = 400;
  int escapement = 0;
  friend bool operator==(const Font&, const Font&) = default;
};

// Text alignment relative to the reference point of TextOut.
enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Baseline, Bottom };
struct TextAlign {
  HAlign h = HAlign::Left;
  VAlign v = VAlign::Top;
  friend bool operator==(const TextAlign&, const TextAlign&) = default;
};

// A 32-bit top-down image, rows of `width` pixels 0x00RRGGBB.
struct ImageView {
  const std::uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
};

// The drawing surface of every view: a screen widget, an off-screen image or a printer page.
// The current pen, brush, font, colours and alignment stay selected until changed.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void SetPen(const Pen& pen) = 0;
  virtual void SetBrush(const Brush& brush) = 0;
  // False when the font cannot be made; the previous font then stays selected.
  virtual bool SetFont(const Font& font) = 0;
  virtual void SetTextColour(Colour colour) = 0;
  virtual void SetBackgroundMode(BackgroundMode mode) = 0;
  virtual void SetBackgroundColour(Colour colour) = 0;
  virtual void SetTextAlign(TextAlign align) = 0;

  virtual void Line(Point from, Point to) = 0;
  virtual void Polyline(const std::vector<Point>& points) = 0;
  // Outlined with the pen and filled with the brush.
  virtual void Polygon(const std::vector<Point>& points) = 0;
  virtual void Rectangle(const Rect& rect) = 0;
  virtual void Ellipse(const Rect& rect) = 0;
  virtual void RoundRect(const Rect& rect, int cornerWidth, int cornerHeight) = 0;
  // Filled with a colour, no outline.
  virtual void FillRect(const Rect& rect, Colour colour) = 0;
  // Inverts the colours of a rectangle (rubber bands, drag outlines).
  virtual void InvertRect(const Rect& rect) = 0;

  virtual void TextOut(Point at, const std::string& text) = 0;
  // Several lines separated by '\n', each centred horizontally in the box.
  virtual void DrawTextCentred(const Rect& box, const std::string& text) = 0;
  virtual Size TextExtent(const std::string& text) = 0;

  // Copies an image to `dest`, stretching it when the sizes differ.
  virtual void DrawImage(const Rect& dest, const ImageView& image) = 0;

  virtual bool IsPrinting() const = 0;
  virtual int PixelsPerInchX() const = 0;
  virtual int PixelsPerInchY() const = 0;
};

}  // namespace tarvix
