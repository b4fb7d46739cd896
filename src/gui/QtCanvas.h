#pragma once
#include <QColor>
#include <QPainter>
#include <QString>

#include "platform/Canvas.h"

class QPaintDevice;

namespace tarvix {

// The canvas of the Qt shell: a QPainter on a widget, an off-screen image or a printer page.
// It keeps the device-context rules the drawing code is written for: shapes leave out their
// right and bottom edges, a thin line leaves out its end point, a font's height is its cell
// height (ascent plus descent) and escapement turns text about its reference point.
class QtCanvas : public Canvas {
 public:
  // Paints on `device` from construction to destruction.
  explicit QtCanvas(QPaintDevice& device, bool printing = false);

  // False when the device could not be painted on (a null image, a printer that failed to open).
  bool IsActive() const { return painter_.isActive(); }

  void SetPen(const Pen& pen) override;
  void SetBrush(const Brush& brush) override;
  bool SetFont(const Font& font) override;
  void SetTextColour(Colour colour) override;
  void SetBackgroundMode(BackgroundMode mode) override;
  void SetBackgroundColour(Colour colour) override;
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
  int PixelsPerInchX() const override;
  int PixelsPerInchY() const override;

 private:
  // The rectangle QPainter needs to cover exactly the pixels of the normalised `r` with the
  // current pen.
  QRect ShapeRect(const Rect& r) const;
  // Copies straight into a 32-bit image device; false when the painter state does not allow it.
  bool CopyIntoImage(const Rect& dest, const ImageView& image);

  QPainter painter_;
  bool printing_;
  bool penVisible_ = true;
  bool thinPen_ = true;
  int fontEscapement_ = 0;
  QColor textColour_;
  TextAlign align_;
};

// The installed family that draws `face`: the face itself, else a metrically compatible family
// (Liberation Sans for Arial, ...), else the default sans-serif family.
QString InstalledFontFamily(const QString& face);

}  // namespace tarvix
