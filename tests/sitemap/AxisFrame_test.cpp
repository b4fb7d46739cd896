#include "sitemap/AxisFrame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>

#include "support/RecordingCanvas.h"
#include "support/TestApp.h"

namespace tarvix {
namespace {

using testing::RecordingCanvas;
using Op = RecordingCanvas::Op;
using Call = RecordingCanvas::Call;

constexpr Rect kPlot{100, 50, 400, 250};
constexpr Rect kFrame{95, 45, 405, 255};  // the plot grown by 5

// A radargram's axes: 0.1 unit per pixel, values growing downward.
AxisFrame ProfileAxes(int zeroLevel = 0, int strips = 1) {
  AxisFrame axes;
  axes.Configure(kPlot, {0, 0, 300, 200}, {0.1, 0.1}, zeroLevel, strips, true, 5, AxisMode::Linear);
  return axes;
}

// A square map around 55.7° N across the prime meridian.
AxisFrame MapAxes(AxisMode mode) {
  AxisFrame axes;
  axes.Configure({100, 50, 400, 350}, {-100, 5570350, 150, 5570600}, {1.0, 1.0}, 0, 1, false, 5, mode);
  return axes;
}

const Call* FindText(const RecordingCanvas& canvas, const std::string& text, Point at) {
  for (const auto& call : canvas.calls)
    if (call.op == Op::TextOut && call.text == text && call.points[0] == at) return &call;
  return nullptr;
}

const Call* FindText(const RecordingCanvas& canvas, const std::string& text) {
  for (const auto& call : canvas.calls)
    if (call.op == Op::TextOut && call.text == text) return &call;
  return nullptr;
}

// Lengths of the tick marks hanging off the left and the bottom side.
std::set<int> LeftTickLengths(const RecordingCanvas& canvas, const Rect& frame) {
  std::set<int> lengths;
  for (const auto& line : canvas.CallsOf(Op::Line)) {
    const Point from = line.points[0], to = line.points[1];
    if (to.x == frame.left && from.y == to.y && from.x < to.x) lengths.insert(to.x - from.x);
  }
  return lengths;
}

std::set<int> BottomTickLengths(const RecordingCanvas& canvas, const Rect& frame) {
  std::set<int> lengths;
  for (const auto& line : canvas.CallsOf(Op::Line)) {
    const Point from = line.points[0], to = line.points[1];
    if (to.y == frame.bottom && from.x == to.x && from.y > to.y) lengths.insert(from.y - to.y);
  }
  return lengths;
}

TEST(AxisFrameTest, PrintingScalesFontsAndTicksAndDropsTheZeroMarks) {
  struct Case {
    bool printing;
    double scale;
    int horizontalHeight, verticalHeight;
    std::set<int> tickLengths;
    std::size_t triangles;
  } cases[] = {{false, 1.0, 14, 13, {4, 8}, 2}, {true, 4.0, 56, 52, {16, 32}, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.scale);
    testing::TestApp app;
    RecordingCanvas canvas(c.printing);
    auto axes = ProfileAxes(20);
    axes.xTitle = "Distance";
    axes.yTitle = "Depth";
    axes.scaleFactor = c.scale;
    axes.Draw(canvas, AxisSide::All);

    const Call* yTitle = FindText(canvas, "Depth");
    const Call* xTitle = FindText(canvas, "Distance");
    ASSERT_TRUE(yTitle && xTitle);
    EXPECT_EQ(yTitle->font, (Font{"Arial", c.verticalHeight, 400, 900}));
    EXPECT_EQ(xTitle->font, (Font{"Arial", c.horizontalHeight, 400, 0}));
    EXPECT_EQ(BottomTickLengths(canvas, kFrame), c.tickLengths);
    // Only four 50-pixel spacings high on paper: every y tick is labelled.
    const auto left = LeftTickLengths(canvas, kFrame);
    ASSERT_FALSE(left.empty());
    EXPECT_EQ(*left.rbegin(), *c.tickLengths.rbegin());
    EXPECT_EQ(canvas.CallsOf(Op::Polygon).size(), c.triangles);
    EXPECT_TRUE(app.ui.messages.empty());
  }
}

TEST(AxisFrameTest, ZeroLevelMarksStandBesideEveryStrip) {
  struct Case {
    int zeroLevel, strips;
    std::vector<int> levels;
  } cases[] = {
      {20, 1, {70}},
      {20, 2, {70, 171}},  // strips 100 pixels high, one apart
      {0, 1, {}},          // on the edge itself
      {201, 1, {}},        // below the plot
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.zeroLevel);
    testing::TestApp app;
    RecordingCanvas canvas;
    ProfileAxes(c.zeroLevel, c.strips).Draw(canvas, AxisSide::All);
    std::vector<std::vector<Point>> expected;
    for (const int y : c.levels) {
      expected.push_back({{65, y - 6}, {65, y + 6}, {75, y}});
      expected.push_back({{445, y - 6}, {445, y + 6}, {435, y}});
    }
    std::vector<std::vector<Point>> drawn;
    for (const auto& polygon : canvas.CallsOf(Op::Polygon)) {
      drawn.push_back(polygon.points);
      EXPECT_EQ(polygon.brush, (Brush{Rgb(255, 0, 0), BrushStyle::Solid}));
      EXPECT_EQ(polygon.pen, (Pen{Rgb(0, 0, 0), 1, PenStyle::Solid}));
    }
    EXPECT_EQ(drawn, expected);
  }
}

TEST(AxisFrameTest, FontFailuresAreReportedAndDrawingGoesOn) {
  struct Case {
    int failingEscapement;
    const char* text;
  } cases[] = {{0, "Error creating font!"}, {900, "Error vertical creating font!"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    testing::TestApp app;
    RecordingCanvas canvas;
    canvas.failingEscapement = c.failingEscapement;
    ProfileAxes().Draw(canvas, AxisSide::All);
    ASSERT_EQ(app.ui.messages.size(), 1u);
    EXPECT_EQ(app.ui.messages[0].text, c.text);
    EXPECT_EQ(app.ui.messages[0].caption, "ERROR");
    EXPECT_EQ(app.ui.messages[0].icon, MessageIcon::Error);
    EXPECT_FALSE(BottomTickLengths(canvas, kFrame).empty());
    EXPECT_NE(FindText(canvas, "  0"), nullptr);
  }
}

TEST(AxisFrameTest, NothingIsDrawnForAnUnusableScaleOrAnEmptyExtent) {
  struct Case {
    const char* what;
    std::function<void(AxisFrame&)> spoil;
  } cases[] = {
      {"no x scale", [](AxisFrame& a) { a.unitsPerPixel.x = 0; }},
      {"no y scale", [](AxisFrame& a) { a.unitsPerPixel.y = 0; }},
      {"no width", [](AxisFrame& a) { a.dataRect.x1 = a.dataRect.x0; }},
      {"no height", [](AxisFrame& a) { a.dataRect.y1 = a.dataRect.y0; }},
      {"negative scale", [](AxisFrame& a) { a.unitsPerPixel.y = -0.1; }},
      {"scale not a number", [](AxisFrame& a) { a.unitsPerPixel.x = NAN; }},
      {"no scale factor", [](AxisFrame& a) { a.scaleFactor = 0; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    testing::TestApp app;
    auto axes = ProfileAxes();
    axes.showGrid = true;
    RecordingCanvas first;
    axes.Draw(first, AxisSide::All);
    ASSERT_FALSE(first.calls.empty());
    c.spoil(axes);
    RecordingCanvas canvas;
    axes.Draw(canvas, AxisSide::All);
    axes.DrawGrid(canvas);  // no grid from the earlier paint's ticks either
    EXPECT_TRUE(canvas.calls.empty());
    EXPECT_TRUE(app.ui.messages.empty());
  }
}

TEST(AxisFrameTest, SidesChooseFrameLinesTicksAndLabels) {
  using Line = std::vector<Point>;
  const Line top{{95, 45}, {405, 45}}, right{{405, 45}, {405, 255}}, bottom{{405, 255}, {95, 255}},
      left{{95, 255}, {95, 45}};
  struct Case {
    int sides;
    std::vector<Line> frame;
    std::function<bool(Point)> onSide;  // where tick marks end and labels stand
  } cases[] = {
      {AxisSide::Left, {left}, [](Point p) { return p.x <= 95; }},
      {AxisSide::Right, {right}, [](Point p) { return p.x >= 405; }},
      {AxisSide::Top, {top}, [](Point p) { return p.y <= 45; }},
      {AxisSide::Bottom, {bottom}, [](Point p) { return p.y >= 255; }},
      {AxisSide::All,
       {top, right, bottom, left},
       [](Point p) { return p.x <= 95 || p.x >= 405 || p.y <= 45 || p.y >= 255; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.sides);
    testing::TestApp app;
    RecordingCanvas canvas;
    ProfileAxes().Draw(canvas, c.sides);
    const auto lines = canvas.CallsOf(Op::Line);
    ASSERT_GT(lines.size(), c.frame.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (i < c.frame.size()) {
        EXPECT_EQ(lines[i].points, c.frame[i]);
      } else {
        EXPECT_TRUE(c.onSide(lines[i].points[0]) && c.onSide(lines[i].points[1])) << "tick " << i;
      }
    }
    // Titles stand above and left of the frame whatever the sides; labels only on the chosen ones.
    for (const auto& text : canvas.CallsOf(Op::TextOut)) {
      if (text.text == " ") continue;
      EXPECT_TRUE(c.onSide(text.points[0])) << text.text;
    }
  }
}

TEST(AxisFrameTest, LabelsAndTitlesSitBesideTheFrame) {
  struct Case {
    const char* what;
    AxisFrame axes;
    std::string yLabel;
    Point yLeft, yRight;
    TextAlign yLeftAlign, yRightAlign;
    int yEscapement;
    std::string xLabel;
    Point xTop, xBottom;
    int titleY;  // middle of the frame's height
  } cases[] = {
      {"linear",
       ProfileAxes(),
       "  0",
       {85, 45},
       {415, 45},
       {HAlign::Right, VAlign::Top},
       {HAlign::Left, VAlign::Top},
       0,
       "  0",
       {100, 21},
       {100, 265},
       150},
      {"geographic",
       MapAxes(AxisMode::Geographic),
       "55\u00B042' 12.6''",
       {65, 350},
       {417, 350},
       {HAlign::Centre, VAlign::Top},
       {HAlign::Centre, VAlign::Top},
       900,
       "-0\u00B000' 3.6''",
       {105, 21},
       {105, 365},
       200},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.what);
    testing::TestApp app;
    RecordingCanvas canvas;
    c.axes.xTitle = "Across";
    c.axes.yTitle = "Up";
    c.axes.Draw(canvas, AxisSide::All);

    const Call* yTitle = FindText(canvas, "Up", {50, c.titleY});
    const Call* xTitle = FindText(canvas, "Across", {250, 45 - 2 * 14 - 15});
    ASSERT_TRUE(yTitle && xTitle);
    EXPECT_EQ(yTitle->font.escapement, 900);
    EXPECT_EQ(xTitle->font.escapement, 0);
    EXPECT_EQ(xTitle->align, (TextAlign{HAlign::Centre, VAlign::Top}));

    const Call* yLeft = FindText(canvas, c.yLabel, c.yLeft);
    const Call* yRight = FindText(canvas, c.yLabel, c.yRight);
    ASSERT_TRUE(yLeft && yRight);
    EXPECT_EQ(yLeft->align, c.yLeftAlign);
    EXPECT_EQ(yRight->align, c.yRightAlign);
    EXPECT_EQ(yLeft->font.escapement, c.yEscapement);

    const Call* xTop = FindText(canvas, c.xLabel, c.xTop);
    const Call* xBottom = FindText(canvas, c.xLabel, c.xBottom);
    ASSERT_TRUE(xTop && xBottom);
    EXPECT_EQ(xBottom->align, (TextAlign{HAlign::Centre, VAlign::Top}));
    EXPECT_EQ(xBottom->font, (Font{"Arial", 14, 400, 0}));
  }
}

TEST(AxisFrameTest, StripsRepeatTheYScaleAndKeepClearOfTheNextStrip) {
  testing::TestApp app;
  const Rect plot{50, 40, 250, 234};  // two strips of 97 pixels
  AxisFrame axes;
  axes.Configure(plot, {0, 0, 200, 200}, {0.1, 0.1}, 0, 2, true, 5, AxisMode::Linear);
  RecordingCanvas canvas;
  axes.Draw(canvas, AxisSide::Left);

  std::set<int> expected;
  for (int y = 40; y <= 120; y += 10) expected.insert(y);  // 130 is within 8 pixels of the next strip
  for (int y = 137; y <= 217; y += 10) expected.insert(y);
  std::set<int> ticks;
  const auto lines = canvas.CallsOf(Op::Line);
  for (std::size_t i = 1; i < lines.size(); ++i) ticks.insert(lines[i].points[1].y);
  EXPECT_EQ(ticks, expected);
  for (const Point at : {Point{35, 35}, Point{35, 132}}) EXPECT_NE(FindText(canvas, "  0", at), nullptr);
  for (const Point at : {Point{35, 85}, Point{35, 182}}) EXPECT_NE(FindText(canvas, "  5", at), nullptr);
}

TEST(AxisFrameTest, GridFollowsTheTicksOfTheLastDraw) {
  struct Case {
    AxisMode mode;
    PenStyle style;
  } cases[] = {{AxisMode::Linear, PenStyle::Dot}, {AxisMode::Geographic, PenStyle::Dash}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.mode));
    testing::TestApp app;
    auto axes = MapAxes(c.mode);
    RecordingCanvas ticks;
    axes.Draw(ticks, AxisSide::All);
    RecordingCanvas canvas;
    axes.DrawGrid(canvas);
    EXPECT_TRUE(canvas.calls.empty()) << "grid drawn while switched off";

    axes.showGrid = true;
    axes.DrawGrid(canvas);
    const auto lines = canvas.CallsOf(Op::Line);
    ASSERT_EQ(lines.size(), axes.yTicks.size() + axes.xTicks.size());
    const Rect frame{95, 45, 405, 355};
    EXPECT_EQ(lines.front().points,
              (std::vector<Point>{{frame.left, axes.yTicks[0]}, {frame.right, axes.yTicks[0]}}));
    EXPECT_EQ(lines.back().points,
              (std::vector<Point>{{axes.xTicks.back(), frame.top}, {axes.xTicks.back(), frame.bottom}}));
    for (const auto& line : lines) EXPECT_EQ(line.pen, (Pen{Rgb(192, 192, 192), 1, c.style}));
  }
}

TEST(AxisFrameTest, UtmModeTitlesNameTheZone) {
  testing::TestApp app;
  AxisFrame axes;
  axes.Configure({0, 0, 500, 500}, {1500000, 5000000, 1510000, 5010000}, {1.0, 1.0}, 0, 1, false, 5,
                 AxisMode::Utm);
  RecordingCanvas canvas;
  axes.Draw(canvas, AxisSide::All);
  EXPECT_EQ(axes.xTitle, "UTM Zone: 33U   Easting");
  EXPECT_EQ(axes.yTitle, "Northing");
  EXPECT_NE(FindText(canvas, "UTM Zone: 33U   Easting"), nullptr);
  EXPECT_NE(FindText(canvas, "Northing"), nullptr);
  EXPECT_NE(FindText(canvas, " 500000"), nullptr);  // the zone's central meridian

  axes.Configure({0, 0, 500, 500}, {0, 0, 500, 500}, {1.0, 1.0}, 0, 1, false, 5, AxisMode::Linear);
  EXPECT_EQ(axes.xTitle, " ");
  EXPECT_EQ(axes.yTitle, " ");
}

}  // namespace
}  // namespace tarvix
