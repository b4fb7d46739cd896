#include "gui/QtCanvas.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPaintEngine>
#include <QPolygon>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tarvix {

namespace {

// Larger glyphs cannot be rasterised usefully; a runaway scale factor must not stall the painter.
constexpr int kMaxFontHeight = 10000;
constexpr std::uint32_t kOpaque = 0xFF000000u;

QColor ToQColor(Colour colour) { return QColor::fromRgb(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

QPoint ToQPoint(Point p) { return {p.x, p.y}; }

QPolygon ToQPolygon(const std::vector<Point>& points) {
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const Point& p : points) polygon.append(ToQPoint(p));
  return polygon;
}

// Shapes accept their corners in either order, as device contexts do.
Rect Normalised(const Rect& r) {
  return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
          std::max(r.top, r.bottom)};
}

QPen ToQPen(const Pen& pen) {
  if (pen.style == PenStyle::None) return QPen(Qt::NoPen);
  QPen q(ToQColor(pen.colour));
  const int width = std::max(1, pen.width);
  q.setWidth(width);
  // Thin lines are drawn end to end (their last pixel is left out by Line and Polyline);
  // wide pens have round ends and joins.
  q.setCapStyle(width == 1 ? Qt::SquareCap : Qt::RoundCap);
  q.setJoinStyle(width == 1 ? Qt::MiterJoin : Qt::RoundJoin);
  // Dash and dot lengths of the classic styled lines, in pen widths.
  if (pen.style == PenStyle::Dash) q.setDashPattern({18, 6});
  if (pen.style == PenStyle::Dot) q.setDashPattern({3, 3});
  return q;
}

// The pixel before `to` on the line from `from`: a thin line leaves out its end point.
QPoint LastPixelBefore(Point from, Point to) {
  const int dx = to.x - from.x;
  const int dy = to.y - from.y;
  const double steps = std::max(std::abs(dx), std::abs(dy));
  const double part = (steps - 1) / steps;
  return {from.x + static_cast<int>(std::lround(dx * part)),
          from.y + static_cast<int>(std::lround(dy * part))};
}

std::vector<QString> SplitLines(const std::string& text) {
  const QStringList lines = QString::fromStdString(text).split(QLatin1Char('\n'));
  return {lines.begin(), lines.end()};
}

// Pixel size of the em per pixel of cell height, measured once per family and weight.
double EmPerCellPixel(const QFont& font) {
  static QHash<QString, double> ratios;
  const QString key = font.family() + QLatin1Char('/') + QString::number(font.weight());
  const auto found = ratios.constFind(key);
  if (found != ratios.constEnd()) return *found;
  QFont probe(font);
  constexpr int kProbeSize = 256;
  probe.setPixelSize(kProbeSize);
  const QFontMetricsF metrics(probe);
  const double cell = metrics.ascent() + metrics.descent();
  const double ratio = cell > 0 ? kProbeSize / cell : 1.0;
  ratios.insert(key, ratio);
  return ratio;
}

}  // namespace

QString InstalledFontFamily(const QString& face) {
  if (!face.isEmpty() && QFontDatabase::hasFamily(face)) return face;
  static const QHash<QString, QString> compatible = {
      {QStringLiteral("arial"), QStringLiteral("Liberation Sans")},
      {QStringLiteral("helvetica"), QStringLiteral("Liberation Sans")},
      {QStringLiteral("times new roman"), QStringLiteral("Liberation Serif")},
      {QStringLiteral("courier new"), QStringLiteral("Liberation Mono")},
  };
  const QString substitute = compatible.value(face.toLower());
  if (!substitute.isEmpty() && QFontDatabase::hasFamily(substitute)) return substitute;
  QFont sans;
  sans.setStyleHint(QFont::SansSerif);
  sans.setFamilies({});
  return QFontInfo(sans).family();
}

QtCanvas::QtCanvas(QPaintDevice& device, bool printing) : painter_(&device), printing_(printing) {
  if (!painter_.isActive()) return;
  // The defaults a fresh device context starts with.
  SetPen(Pen{});
  SetBrush(Brush{});
  SetFont(Font{});
  SetTextColour(0);
  SetBackgroundColour(0xFFFFFF);
  SetBackgroundMode(BackgroundMode::Opaque);
}

void QtCanvas::SetPen(const Pen& pen) {
  penVisible_ = pen.style != PenStyle::None;
  thinPen_ = penVisible_ && pen.width <= 1;
  painter_.setPen(ToQPen(pen));
}

void QtCanvas::SetBrush(const Brush& brush) {
  painter_.setBrush(brush.style == BrushStyle::None ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brush.colour)));
}

bool QtCanvas::SetFont(const Font& font) {
  // Height 0 asks for the default size; a negative height gives the em size itself.
  const int height = font.height == 0 ? Font{}.height : font.height;
  if (std::abs(height) > kMaxFontHeight) return false;
  QFont q(InstalledFontFamily(QString::fromStdString(font.face)));
  q.setWeight(static_cast<QFont::Weight>(font.weight == 0 ? 400 : std::clamp(font.weight, 1, 1000)));
  const double em = height > 0 ? height * EmPerCellPixel(q) : -height;
  q.setPixelSize(std::max(1, static_cast<int>(std::lround(em))));
  painter_.setFont(q);
  fontEscapement_ = font.escapement;
  return true;
}

void QtCanvas::SetTextColour(Colour colour) { textColour_ = ToQColor(colour); }

void QtCanvas::SetBackgroundMode(BackgroundMode mode) {
  // Opaque mode also fills the gaps of dashed lines, as it does on a device context.
  painter_.setBackgroundMode(mode == BackgroundMode::Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
}

void QtCanvas::SetBackgroundColour(Colour colour) { painter_.setBackground(QBrush(ToQColor(colour))); }

void QtCanvas::Line(Point from, Point to) {
  if (!thinPen_) {
    painter_.drawLine(ToQPoint(from), ToQPoint(to));
  } else if (from != to) {
    const QPoint last = LastPixelBefore(from, to);
    // QPainter draws nothing for a line from a point to itself.
    if (last == ToQPoint(from)) {
      painter_.drawPoint(last);
    } else {
      painter_.drawLine(ToQPoint(from), last);
    }
  }
}

void QtCanvas::Polyline(const std::vector<Point>& points) {
  if (points.size() < 2) return;
  QPolygon polygon = ToQPolygon(points);
  if (thinPen_) {
    const Point& last = points.back();
    const Point& before = points[points.size() - 2];
    if (last == before) {
      polygon.removeLast();
    } else {
      polygon.last() = LastPixelBefore(before, last);
    }
  }
  painter_.drawPolyline(polygon);
}

void QtCanvas::Polygon(const std::vector<Point>& points) {
  if (points.size() < 2) return;
  painter_.drawPolygon(ToQPolygon(points), Qt::OddEvenFill);
}

QRect QtCanvas::ShapeRect(const Rect& r) const {
  // QPainter's outline covers one pixel more than the rectangle it is given, its fill does not.
  const int inset = penVisible_ ? 1 : 0;
  return {r.left, r.top, r.Width() - inset, r.Height() - inset};
}

void QtCanvas::Rectangle(const Rect& rect) {
  const Rect r = Normalised(rect);
  if (r.Width() == 0 || r.Height() == 0) return;
  painter_.drawRect(ShapeRect(r));
}

void QtCanvas::Ellipse(const Rect& rect) {
  const Rect r = Normalised(rect);
  if (r.Width() == 0 || r.Height() == 0) return;
  // Measured on Qt's aliased rasteriser: with these bounds the ink covers the rectangle without
  // its right and bottom edge, outlined or filled only.
  const double inset = penVisible_ ? 0.25 : -0.5;
  const double shrink = penVisible_ ? 0.75 : -0.5;
  painter_.drawEllipse(QRectF(r.left + inset, r.top + inset, r.Width() - shrink, r.Height() - shrink));
}

void QtCanvas::RoundRect(const Rect& rect, int cornerWidth, int cornerHeight) {
  const Rect r = Normalised(rect);
  if (r.Width() == 0 || r.Height() == 0) return;
  // The corners are given as the size of the ellipse that rounds them, QPainter takes radii.
  painter_.drawRoundedRect(ShapeRect(r), std::abs(cornerWidth) / 2.0, std::abs(cornerHeight) / 2.0,
                           Qt::AbsoluteSize);
}

void QtCanvas::FillRect(const Rect& rect, Colour colour) {
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
  painter_.fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(colour));
}

void QtCanvas::InvertRect(const Rect& rect) {
  if (rect.Width() <= 0 || rect.Height() <= 0 || !painter_.isActive()) return;
  // Paper has no pixels to invert: rubber bands exist only on screen.
  if (!painter_.paintEngine()->hasFeature(QPaintEngine::RasterOpModes)) return;
  painter_.save();
  painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
  painter_.fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), Qt::black);
  painter_.restore();
}

void QtCanvas::TextOut(Point at, const std::string& text) {
  const QString line = QString::fromStdString(text);
  const QFontMetrics metrics = painter_.fontMetrics();
  const int width = metrics.horizontalAdvance(line);
  const int x = align_.h == HAlign::Left ? 0 : align_.h == HAlign::Centre ? -width / 2 : -width;
  const int y = align_.v == VAlign::Top        ? metrics.ascent()
                : align_.v == VAlign::Baseline ? 0
                                               : -metrics.descent();
  painter_.save();
  painter_.translate(at.x, at.y);
  // Escapement is counter-clockwise on screen, QPainter turns clockwise.
  if (fontEscapement_ != 0) painter_.rotate(-fontEscapement_ / 10.0);
  painter_.setPen(textColour_);
  painter_.drawText(QPoint(x, y), line);
  painter_.restore();
}

void QtCanvas::DrawTextCentred(const Rect& box, const std::string& text) {
  painter_.save();
  painter_.setPen(textColour_);
  painter_.drawText(QRect(box.left, box.top, box.Width(), box.Height()), Qt::AlignHCenter | Qt::AlignTop,
                    QString::fromStdString(text));
  painter_.restore();
}

Size QtCanvas::TextExtent(const std::string& text) {
  const QFontMetrics metrics = painter_.fontMetrics();
  const std::vector<QString> lines = SplitLines(text);
  int width = 0;
  for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
  const int height = metrics.height() + static_cast<int>(lines.size() - 1) * metrics.lineSpacing();
  return {width, height};
}

bool QtCanvas::CopyIntoImage(const Rect& dest, const ImageView& image) {
  QPaintDevice* device = painter_.device();
  if (device == nullptr || device->devType() != QInternal::Image) return false;
  auto* target = static_cast<QImage*>(device);
  const QImage::Format format = target->format();
  if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
      format != QImage::Format_ARGB32_Premultiplied) {
    return false;
  }
  if (painter_.hasClipping() || !painter_.worldTransform().isIdentity() ||
      target->devicePixelRatio() != 1.0 ||
      painter_.compositionMode() != QPainter::CompositionMode_SourceOver) {
    return false;
  }
  const int left = std::max(dest.left, 0);
  const int top = std::max(dest.top, 0);
  const int right = std::min(dest.right, target->width());
  const int bottom = std::min(dest.bottom, target->height());
  const std::int64_t dw = dest.Width();
  const std::int64_t dh = dest.Height();
  const bool sameSize = dw == image.width && dh == image.height;
  for (int y = top; y < bottom; ++y) {
    // Each destination pixel takes the source pixel under its centre.
    const std::int64_t sy =
        sameSize ? y - dest.top : ((2 * std::int64_t{y - dest.top} + 1) * image.height) / (2 * dh);
    const std::uint32_t* source = image.pixels + sy * image.width;
    auto* row = reinterpret_cast<std::uint32_t*>(target->scanLine(y));
    if (sameSize) {
      for (int x = left; x < right; ++x) row[x] = source[x - dest.left] | kOpaque;
    } else {
      for (int x = left; x < right; ++x) {
        row[x] = source[((2 * std::int64_t{x - dest.left} + 1) * image.width) / (2 * dw)] | kOpaque;
      }
    }
  }
  return true;
}

void QtCanvas::DrawImage(const Rect& dest, const ImageView& image) {
  if (image.pixels == nullptr || image.width <= 0 || image.height <= 0) return;
  if (dest.Width() <= 0 || dest.Height() <= 0 || !painter_.isActive()) return;
  // The pixels' top byte is 0 while Qt reads it as alpha: every path makes them opaque.
  if (CopyIntoImage(dest, image)) return;
  QImage opaque(image.width, image.height, QImage::Format_RGB32);
  for (int y = 0; y < image.height; ++y) {
    const std::uint32_t* source = image.pixels + static_cast<std::int64_t>(y) * image.width;
    auto* row = reinterpret_cast<std::uint32_t*>(opaque.scanLine(y));
    for (int x = 0; x < image.width; ++x) row[x] = source[x] | kOpaque;
  }
  painter_.drawImage(QRect(dest.left, dest.top, dest.Width(), dest.Height()), opaque);
}

int QtCanvas::PixelsPerInchX() const { return painter_.device() ? painter_.device()->logicalDpiX() : 96; }

int QtCanvas::PixelsPerInchY() const { return painter_.device() ? painter_.device()->logicalDpiY() : 96; }

}  // namespace tarvix
