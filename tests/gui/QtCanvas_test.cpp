#include "gui/QtCanvas.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tarvix {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

// The smallest rectangle (right and bottom exclusive) holding every pixel that is not `background`.
std::optional<Rect> InkBox(const QImage& image, QRgb background = kWhite) {
  std::optional<Rect> box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) == background) continue;
      if (!box) box = Rect{x, y, x + 1, y + 1};
      box->left = std::min(box->left, x);
      box->top = std::min(box->top, y);
      box->right = std::max(box->right, x + 1);
      box->bottom = std::max(box->bottom, y + 1);
    }
  }
  return box;
}

std::string Show(const std::optional<Rect>& r) {
  if (!r) return "nothing";
  return "(" + std::to_string(r->left) + "," + std::to_string(r->top) + ")-(" + std::to_string(r->right) +
         "," + std::to_string(r->bottom) + ")";
}

QImage WhiteImage(int width, int height, QImage::Format format = QImage::Format_RGB32) {
  QImage image(width, height, format);
  image.fill(kWhite);
  return image;
}

TEST(QtCanvasLineTest, ThinLinesLeaveOutTheirEndPoint) {
  struct Case {
    std::vector<Point> points;  // two: Line, more: Polyline
    std::optional<Rect> ink;
  };
  const Case cases[] = {
      {{{2, 5}, {10, 5}}, Rect{2, 5, 10, 6}},
      {{{10, 5}, {2, 5}}, Rect{3, 5, 11, 6}},
      {{{3, 2}, {3, 9}}, Rect{3, 2, 4, 9}},
      {{{3, 9}, {3, 2}}, Rect{3, 3, 4, 10}},
      {{{1, 1}, {6, 6}}, Rect{1, 1, 6, 6}},
      {{{2, 5}, {3, 5}}, Rect{2, 5, 3, 6}},
      {{{4, 4}, {4, 4}}, std::nullopt},
      {{{2, 2}, {8, 2}, {8, 8}}, Rect{2, 2, 9, 8}},
      {{{12, 12}, {12, 2}, {2, 2}}, Rect{3, 2, 13, 13}},
  };
  for (const Case& c : cases) {
    QImage image = WhiteImage(16, 16);
    {
      QtCanvas canvas(image);
      if (c.points.size() == 2)
        canvas.Line(c.points[0], c.points[1]);
      else
        canvas.Polyline(c.points);
    }
    const Point start = c.points.front();
    EXPECT_EQ(Show(InkBox(image)), Show(c.ink)) << "from (" << start.x << "," << start.y << ")";
    if (c.ink) {
      EXPECT_EQ(image.pixel(start.x, start.y), 0xFF000000u);
    }
  }
}

TEST(QtCanvasLineTest, DashGapsShowTheBackgroundOnlyWhenOpaque) {
  for (const BackgroundMode mode : {BackgroundMode::Opaque, BackgroundMode::Transparent}) {
    QImage image = WhiteImage(64, 4);
    {
      QtCanvas canvas(image);
      canvas.SetBackgroundColour(Rgb(255, 0, 0));
      canvas.SetBackgroundMode(mode);
      canvas.SetPen({Rgb(0, 0, 255), 1, PenStyle::Dash});
      canvas.Line({0, 1}, {60, 1});
    }
    const QRgb gap = mode == BackgroundMode::Opaque ? 0xFFFF0000 : kWhite;
    // Dashes of 18 pixels with gaps of 6.
    for (const int x : {0, 17, 24, 41}) EXPECT_EQ(image.pixel(x, 1), 0xFF0000FFu) << x;
    for (const int x : {18, 23, 42}) EXPECT_EQ(image.pixel(x, 1), gap) << x;
  }
}

TEST(QtCanvasShapeTest, ShapesCoverTheirRectangleWithoutTheRightAndBottomEdge) {
  enum class Shape { Rectangle, Ellipse, RoundRect };
  struct Case {
    Shape shape;
    Pen pen;
    Rect rect;
    Rect ink;
  };
  const Pen thin{0, 1, PenStyle::Solid};
  const Pen none{0, 1, PenStyle::None};
  const Case cases[] = {
      {Shape::Rectangle, thin, {4, 3, 14, 9}, {4, 3, 14, 9}},
      {Shape::Rectangle, none, {4, 3, 14, 9}, {4, 3, 14, 9}},
      {Shape::Rectangle, thin, {14, 9, 4, 3}, {4, 3, 14, 9}},
      {Shape::Ellipse, thin, {2, 2, 22, 12}, {2, 2, 22, 12}},
      {Shape::Ellipse, none, {2, 2, 22, 12}, {2, 2, 22, 12}},
      {Shape::Ellipse, thin, {5, 3, 18, 20}, {5, 3, 18, 20}},
      {Shape::Ellipse, none, {5, 3, 18, 20}, {5, 3, 18, 20}},
      {Shape::RoundRect, thin, {3, 1, 25, 15}, {3, 1, 25, 15}},
      {Shape::Rectangle, thin, {5, 5, 5, 9}, {}},
  };
  for (const Case& c : cases) {
    QImage image = WhiteImage(30, 24);
    {
      QtCanvas canvas(image);
      canvas.SetPen(c.pen);
      canvas.SetBrush({Rgb(0, 128, 0), BrushStyle::Solid});
      switch (c.shape) {
        case Shape::Rectangle:
          canvas.Rectangle(c.rect);
          break;
        case Shape::Ellipse:
          canvas.Ellipse(c.rect);
          break;
        case Shape::RoundRect:
          canvas.RoundRect(c.rect, 8, 8);
          break;
      }
    }
    const std::optional<Rect> expected = c.ink.Width() > 0 ? std::optional<Rect>(c.ink) : std::nullopt;
    EXPECT_EQ(Show(InkBox(image)), Show(expected))
        << "shape " << static_cast<int>(c.shape) << " rect " << Show(c.rect);
  }
}

TEST(QtCanvasShapeTest, RectangleIsOutlinedWithThePenAndFilledWithTheBrush) {
  QImage image = WhiteImage(20, 20);
  {
    QtCanvas canvas(image);
    canvas.SetPen({Rgb(255, 0, 0), 1, PenStyle::Solid});
    canvas.SetBrush({Rgb(0, 0, 255), BrushStyle::Solid});
    canvas.Rectangle({2, 2, 12, 10});
    canvas.SetBrush({0, BrushStyle::None});
    canvas.Rectangle({14, 2, 19, 10});
  }
  for (const auto& [x, y] :
       std::vector<std::pair<int, int>>{{2, 2}, {11, 2}, {2, 9}, {11, 9}, {14, 5}, {18, 9}}) {
    EXPECT_EQ(image.pixel(x, y), 0xFFFF0000u) << x << "," << y;
  }
  EXPECT_EQ(image.pixel(3, 3), 0xFF0000FFu);
  EXPECT_EQ(image.pixel(10, 8), 0xFF0000FFu);
  EXPECT_EQ(image.pixel(16, 5), kWhite);  // no brush: the inside stays
}

TEST(QtCanvasShapeTest, PolygonIsFilledAlternately) {
  QImage image = WhiteImage(40, 40);
  {
    QtCanvas canvas(image);
    canvas.SetPen({0, 1, PenStyle::None});
    canvas.SetBrush({0, BrushStyle::Solid});
    // A square drawn twice round: the alternate rule leaves nothing of the overlap, a winding fill would.
    canvas.Polygon(
        {{5, 5}, {35, 5}, {35, 35}, {5, 35}, {5, 5}, {15, 15}, {25, 15}, {25, 25}, {15, 25}, {15, 15}});
  }
  EXPECT_EQ(image.pixel(8, 8), 0xFF000000u);
  EXPECT_EQ(image.pixel(20, 20), kWhite);
}

TEST(QtCanvasFillTest, FillRectAndInvertRectTouchExactlyTheirPixels) {
  QImage image(20, 12, QImage::Format_RGB32);
  image.fill(0xFF123456);
  {
    QtCanvas canvas(image);
    canvas.FillRect({1, 1, 6, 4}, Rgb(0, 255, 0));
    canvas.FillRect({9, 9, 9, 11}, Rgb(0, 255, 0));  // empty: nothing
    canvas.InvertRect({10, 2, 15, 7});
    canvas.InvertRect({12, 4, 18, 10});  // overlapping: inverted twice where both cover
  }
  EXPECT_EQ(Show(InkBox(image.copy(0, 0, 8, 12), 0xFF123456)), Show(Rect{1, 1, 6, 4}));
  EXPECT_EQ(image.pixel(1, 1), 0xFF00FF00u);
  EXPECT_EQ(image.pixel(9, 9), 0xFF123456u);
  EXPECT_EQ(image.pixel(10, 2), 0xFFEDCBA9u);
  EXPECT_EQ(image.pixel(14, 3), 0xFFEDCBA9u);
  EXPECT_EQ(image.pixel(15, 2), 0xFF123456u);
  EXPECT_EQ(image.pixel(12, 4), 0xFF123456u);
  EXPECT_EQ(image.pixel(17, 9), 0xFFEDCBA9u);
  EXPECT_EQ(image.pixel(18, 9), 0xFF123456u);
}

class QtCanvasTextTest : public ::testing::Test {
 protected:
  static constexpr Point kAnchor{100, 100};

  // Draws "Tarvix 163" in black with the font and alignment and returns where the ink went and
  // the text's extent.
  std::pair<std::optional<Rect>, Size> Draw(int escapement, TextAlign align,
                                            BackgroundMode mode = BackgroundMode::Transparent) {
    image_ = WhiteImage(200, 200);
    QtCanvas canvas(image_);
    EXPECT_TRUE(canvas.SetFont({"Arial", 20, 700, escapement}));
    canvas.SetTextAlign(align);
    canvas.SetBackgroundMode(mode);
    canvas.SetBackgroundColour(Rgb(255, 255, 0));
    canvas.TextOut(kAnchor, "Tarvix 163");
    return {InkBox(image_), canvas.TextExtent("Tarvix 163")};
  }

  QImage image_;
};

TEST_F(QtCanvasTextTest, EscapementTurnsTheTextAndItsAlignmentAboutTheReferencePoint) {
  struct Case {
    int escapement;
    TextAlign align;
  };
  const Case cases[] = {
      {0, {HAlign::Left, VAlign::Top}},         {0, {HAlign::Right, VAlign::Bottom}},
      {0, {HAlign::Centre, VAlign::Top}},       {900, {HAlign::Left, VAlign::Top}},
      {900, {HAlign::Right, VAlign::Bottom}},   {2700, {HAlign::Left, VAlign::Top}},
      {2700, {HAlign::Centre, VAlign::Bottom}},
  };
  for (const Case& c : cases) {
    const auto [ink, extent] = Draw(c.escapement, c.align);
    ASSERT_TRUE(ink.has_value());
    // The text's cell in its own frame: u along the reading direction, v down the letters.
    const int w = extent.cx, h = extent.cy;
    const int u0 = c.align.h == HAlign::Left ? 0 : c.align.h == HAlign::Centre ? -w / 2 : -w;
    const int v0 = c.align.v == VAlign::Top ? 0 : -h;
    const int x = kAnchor.x, y = kAnchor.y;
    // 900 reads upward with the letters' tops to the left, 2700 downward with them to the right.
    const Rect cell = c.escapement == 0     ? Rect{x + u0, y + v0, x + u0 + w, y + v0 + h}
                      : c.escapement == 900 ? Rect{x + v0, y - u0 - w, x + v0 + h, y - u0}
                                            : Rect{x - v0 - h, y + u0, x - v0, y + u0 + w};
    const std::string label =
        "escapement " + std::to_string(c.escapement) + ": ink " + Show(ink) + " in cell " + Show(cell);
    EXPECT_TRUE(cell.Inflate(1).Contains({ink->left, ink->top}) &&
                cell.Inflate(1).Contains({ink->right - 1, ink->bottom - 1}))
        << label;
    const int along = c.escapement == 0 ? ink->Width() : ink->Height();
    EXPECT_GT(along, w - 6) << label;
  }
}

TEST_F(QtCanvasTextTest, OpaqueTextFillsItsCellWithTheBackground) {
  for (const BackgroundMode mode : {BackgroundMode::Opaque, BackgroundMode::Transparent}) {
    Draw(0, {HAlign::Left, VAlign::Top}, mode);
    const bool filled = image_.pixel(kAnchor.x, kAnchor.y) == 0xFFFFFF00u;
    EXPECT_EQ(filled, mode == BackgroundMode::Opaque);
  }
}

TEST(QtCanvasFontTest, HeightIsTheCellHeightAndExtentsCoverEveryLine) {
  QImage image = WhiteImage(10, 10);
  QtCanvas canvas(image);
  for (const int height : {12, 20, 33}) {
    ASSERT_TRUE(canvas.SetFont({"Arial", height, 400, 0}));
    const Size one = canvas.TextExtent("Wide line");
    EXPECT_NEAR(one.cy, height, 1) << height;
    const Size narrow = canvas.TextExtent("ab");
    const Size two = canvas.TextExtent("ab\nWide line");
    EXPECT_EQ(two.cx, one.cx);
    EXPECT_GE(two.cy, 2 * one.cy);
    EXPECT_LT(two.cy, 2 * one.cy + height / 2);
    EXPECT_LT(narrow.cx, one.cx);
    EXPECT_EQ(canvas.TextExtent("").cx, 0);
  }
  ASSERT_TRUE(canvas.SetFont({"Arial", -20, 400, 0}));  // the em height
  EXPECT_GT(canvas.TextExtent("x").cy, 20);
}

TEST(QtCanvasFontTest, AFontThatCannotBeMadeKeepsThePreviousOne) {
  QImage image = WhiteImage(10, 10);
  QtCanvas canvas(image);
  ASSERT_TRUE(canvas.SetFont({"Arial", 16, 700, 0}));
  const Size before = canvas.TextExtent("Tarvix");
  EXPECT_FALSE(canvas.SetFont({"Arial", 1000000, 400, 0}));
  EXPECT_EQ(canvas.TextExtent("Tarvix"), before);
}

TEST(QtCanvasFontTest, MissingFacesAreDrawnWithAnInstalledFamily) {
  if (QFontDatabase::hasFamily(QStringLiteral("Liberation Sans")) &&
      !QFontDatabase::hasFamily(QStringLiteral("Arial"))) {
    EXPECT_EQ(InstalledFontFamily(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
  }
  for (const char* face : {"Arial", "No Such Face 4711", ""}) {
    const QString family = InstalledFontFamily(QString::fromLatin1(face));
    EXPECT_TRUE(QFontDatabase::hasFamily(family)) << face << " -> " << family.toStdString();
  }
}

TEST(QtCanvasCentredTextTest, CentredLinesAreEachCentredInTheBox) {
  QImage image = WhiteImage(120, 60);
  {
    QtCanvas canvas(image);
    canvas.SetBackgroundMode(BackgroundMode::Transparent);
    canvas.SetFont({"Arial", 16, 400, 0});
    canvas.DrawTextCentred({10, 5, 110, 55}, "WWWWWW\nTT");
  }
  const Rect box{10, 5, 110, 55};
  // Find the two lines as the two runs of rows with ink.
  std::vector<std::pair<int, int>> runs;
  for (int y = 0; y < image.height(); ++y) {
    const bool ink = InkBox(image.copy(0, y, image.width(), 1)).has_value();
    if (ink && (runs.empty() || runs.back().second != y))
      runs.push_back({y, y + 1});
    else if (ink)
      runs.back().second = y + 1;
  }
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_GE(runs[0].first, box.top);
  for (const auto& [top, bottom] : runs) {
    const auto ink = InkBox(image.copy(0, top, image.width(), bottom - top));
    ASSERT_TRUE(ink.has_value());
    EXPECT_NEAR((ink->left + ink->right) / 2, 60, 2) << "line at " << top;
  }
}

TEST(QtCanvasImageTest, ImagesAreCopiedOrStretchedPixelForPixelAndOpaque) {
  // A 3 x 2 image whose pixels carry no alpha, as the radargram's do.
  const std::array<std::uint32_t, 6> pixels = {0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 0x010203};
  const ImageView view{pixels.data(), 3, 2};
  auto expected = [&](int sx, int sy) { return pixels[static_cast<std::size_t>(sy * 3 + sx)] | 0xFF000000u; };
  struct Case {
    QImage::Format format;
    Rect dest;
  };
  const Case cases[] = {
      {QImage::Format_RGB32, {2, 1, 5, 3}},   {QImage::Format_RGB32, {1, 1, 7, 5}},
      {QImage::Format_RGB32, {-1, -1, 2, 1}}, {QImage::Format_ARGB32_Premultiplied, {2, 1, 5, 3}},
      {QImage::Format_RGB888, {2, 1, 5, 3}},  {QImage::Format_RGB888, {1, 1, 7, 5}},
  };
  for (const Case& c : cases) {
    QImage image = WhiteImage(8, 6, c.format);
    {
      QtCanvas canvas(image);
      canvas.DrawImage(c.dest, view);
    }
    const QImage rgb = image.convertToFormat(QImage::Format_ARGB32);
    const int sx = c.dest.Width() / 3, sy = c.dest.Height() / 2;  // whole stretch factors
    for (int y = 0; y < 6; ++y) {
      for (int x = 0; x < 8; ++x) {
        const QRgb want =
            c.dest.Contains({x, y}) ? expected((x - c.dest.left) / sx, (y - c.dest.top) / sy) : kWhite;
        ASSERT_EQ(rgb.pixel(x, y), want)
            << "format " << c.format << " dest " << Show(c.dest) << " at " << x << "," << y;
      }
    }
  }
}

TEST(QtCanvasDeviceTest, ReportsPrintingResolutionAndAFailedDevice) {
  QImage page = WhiteImage(10, 10);
  page.setDotsPerMeterX(11811);  // 300 dpi
  page.setDotsPerMeterY(23622);  // 600 dpi
  const QtCanvas printer(page, true);
  EXPECT_TRUE(printer.IsActive());
  EXPECT_TRUE(printer.IsPrinting());
  EXPECT_EQ(printer.PixelsPerInchX(), 300);
  EXPECT_EQ(printer.PixelsPerInchY(), 600);

  QImage none;
  QtCanvas broken(none);
  EXPECT_FALSE(broken.IsActive());
  EXPECT_FALSE(broken.IsPrinting());
}

}  // namespace
}  // namespace tarvix
