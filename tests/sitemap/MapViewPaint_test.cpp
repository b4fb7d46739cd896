#include <gtest/gtest.h>

#include <algorithm>

#include "MapFixture.h"

namespace tarvix {
namespace {

using testing::MapFixture;
using Op = testing::RecordingCanvas::Op;
using Call = testing::RecordingCanvas::Call;

constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kOrange = Rgb(247, 109, 9);
constexpr Colour kBrown = Rgb(192, 96, 64);
constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kGreen = Rgb(0, 255, 0);
constexpr Colour kSkyBlue = Rgb(0, 204, 255);

std::vector<Call> LinesIn(const testing::RecordingCanvas& canvas, Colour colour, int width = 2) {
  std::vector<Call> lines;
  for (const auto& call : canvas.calls)
    if ((call.op == Op::Line || call.op == Op::Polyline) && call.pen.colour == colour && call.pen.width == width)
      lines.push_back(call);
  return lines;
}

TEST(MapViewPaintTest, LeftHandedProjectsDrawXUpwardWithTheTitlesExchanged) {
  struct Case {
    int orientation;
    bool vertical;
    const char* xTitle;
    const char* yTitle;
  };
  const Case cases[] = {{0, true, "Y Distance [m]", "X Distance [m]"}, {1, false, "X Distance [m]", "Y Distance [m]"}};
  for (const auto& c : cases) {
    MapFixture f;
    f.app.settings().Orientation = c.orientation;
    f.AddBaseline(0, {0, 0, 0}, {10, 0, 0}, 5, 90, 1, 21);
    f.Show();
    const auto canvas = f.Paint();
    const auto baseline = LinesIn(canvas, kRed);
    ASSERT_FALSE(baseline.empty());
    const Point start = baseline[0].points[0];
    const Point stop = baseline[0].points[1];
    if (c.vertical) {
      EXPECT_EQ(start.x, stop.x);
      EXPECT_LT(stop.y, start.y);  // X grows upward
    } else {
      EXPECT_EQ(start.y, stop.y);
      EXPECT_GT(stop.x, start.x);
    }
    EXPECT_EQ(f.view.axes.xTitle, c.xTitle);
    EXPECT_EQ(f.view.axes.yTitle, c.yTitle);
    const auto texts = canvas.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), c.xTitle), texts.end());
  }
}

TEST(MapViewPaintTest, LargeExtentsDivideTheAxisValuesByPowersOf1000) {
  struct Case {
    double span;  // metres along the baseline
    int units;
    int multiplier;
    const char* xTitle;
    const char* yTitle;
  };
  const Case cases[] = {
      {20000, 0, 1000, "X Distance [x1000 m]", "Y Distance [x1000 m]"},
      {20000, 1, 1000, "X Distance [x1000 ft]", "Y Distance [x1000 ft]"},
      {2000, 0, 1, "X Distance [m]", "Y Distance [m]"},
      {2000, 1, 1, "X Distance [ft]", "Y Distance [ft]"},
      {30000000, 0, 1000000, "X Distance [x1000000 m]", "Y Distance [x1000000 m]"},
  };
  for (const auto& c : cases) {
    MapFixture f;
    f.app.settings().Orientation = 1;
    f.app.settings().Units = c.units;
    f.AddBaseline(0, {0, 0, 0}, {c.span, 0, 0}, 5, 90, 1, 21);
    f.Show(600, 400);
    f.Paint();
    EXPECT_EQ(f.view.axisMultiplier, c.multiplier) << c.span;
    EXPECT_EQ(f.view.axes.xTitle, c.xTitle);
    EXPECT_EQ(f.view.axes.yTitle, c.yTitle);
    EXPECT_NE(f.view.axes.unitsPerPixel.x, 0.0);
  }
}

TEST(MapViewPaintTest, GpsAxesReadDegreesOrUtm) {
  for (const bool utm : {false, true}) {
    MapFixture f(2);
    f.AddGps(10, {{1, 52.125, 15.25}, {10, 52.375, 15.5}});
    f.Show(700, 500);
    if (utm) f.view.OnCommand(mapcommand::kUtmDisplay);
    f.Paint();
    EXPECT_EQ(f.view.axes.mode, utm ? AxisMode::Utm : AxisMode::Geographic);
    EXPECT_EQ(f.view.axes.xTitle, utm ? "UTM Zone: 33U   Easting" : "Longitude");
    EXPECT_EQ(f.view.axes.yTitle, utm ? "Northing" : "Latitude");
    ASSERT_FALSE(f.view.axes.xLabels.empty());
    // Degree labels carry the degree sign; UTM labels are plain metres.
    const bool degrees = f.view.axes.xLabels.front().find("\u00B0") != std::string::npos;
    EXPECT_EQ(degrees, !utm);
    // The data rectangle counts 1/100000 degree: the left edge lies near the fitted extent's.
    EXPECT_NEAR(f.view.axes.dataRect.x0, 1525000, 2.0 / f.view.zoom + 2);
  }
}

TEST(MapViewPaintTest, ScalesFrameThePlanAndAreLeftOutWithoutThemOrWithoutProfiles) {
  struct Case {
    bool profiles;
    bool scales;
    bool axes;
  };
  for (const auto& c : {Case{true, true, true}, Case{true, false, false}, Case{false, true, false}}) {
    MapFixture f;
    f.Set(0);
    if (c.profiles) f.AddBaseline(0, {0, 0, 0}, {10, 0, 0}, 5, 90, 1, 21);
    f.Show();
    if (!c.scales) f.view.OnCommand(mapcommand::kShowScales);
    const auto canvas = f.Paint();
    ASSERT_FALSE(canvas.calls.empty());
    EXPECT_EQ(canvas.calls.front().op, Op::FillRect);
    EXPECT_EQ(canvas.calls.front().rect, (Rect{0, 0, 600, 400}));
    EXPECT_EQ(canvas.Texts().empty(), !c.axes);
    if (!c.axes) continue;
    // The plan shows only inside the plot: white margins go over it before the scales.
    const auto fills = canvas.CallsOf(Op::FillRect);
    ASSERT_EQ(fills.size(), 5u);
    EXPECT_EQ(fills[1].rect, (Rect{0, 0, 600, 50}));
    EXPECT_EQ(fills[2].rect, (Rect{0, 350, 600, 400}));
    EXPECT_EQ(fills[3].rect, (Rect{0, 50, 50, 350}));
    EXPECT_EQ(fills[4].rect, (Rect{550, 50, 600, 350}));
    const auto lastPlan = std::find_if(canvas.calls.rbegin(), canvas.calls.rend(),
                                       [](const Call& call) { return call.pen.colour == kRed && call.op == Op::Line; });
    const auto firstMargin = std::find_if(canvas.calls.begin() + 1, canvas.calls.end(),
                                          [](const Call& call) { return call.op == Op::FillRect; });
    EXPECT_LT(lastPlan.base() - canvas.calls.begin(), firstMargin - canvas.calls.begin());
  }
}

TEST(MapViewPaintTest, WindowsSmallerThanTheScalesFramePaintSafely) {
  for (const Size size : {Size{0, 0}, Size{1, 1}, Size{60, 40}, Size{100, 100}, Size{101, 2000}}) {
    for (const int version : {1, 2}) {
      MapFixture f(version);
      version == 2 ? (void)f.AddGps(5, {{1, 50, 10}, {5, 50.001, 10.002}})
                   : (void)f.AddBaseline(0, {0, 0, 0}, {10, 0, 0}, 5, 90, 1, 21);
      f.view.OnSize(size.cx, size.cy);
      f.view.OnInitialUpdate();
      const auto canvas = f.Paint();
      EXPECT_FALSE(canvas.calls.empty()) << size.cx << "x" << size.cy;
      EXPECT_TRUE(std::isfinite(f.view.zoom) && f.view.zoom > 0);
    }
  }
}

// Two baselines; the profile view shows set 0 from its second profile, two at a time, ten
// columns in and thirty wide.
struct PlanFixture : MapFixture {
  PlanFixture() {
    app.settings().Orientation = 1;
    app.settings().MaxProfile = 2;
    forwardFirst = &AddBaseline(0, {0, 0, 0}, {100, 0, 0}, 20, 270, 5, 201);
    forward = &AddBaseline(0, {0, 0, 0}, {100, 0, 0}, 40, 270, 5, 201);
    reversed = &AddBaseline(0, {0, 0, 0}, {100, 0, 0}, 60, 90, 5, 201);
    other = &AddBaseline(1, {0, 50, 0}, {100, 50, 0}, 50, 90, 5, 101);
    AddMarker(*forward, 30, "", 2);
    AddMarker(*forward, 31, "", 3, false);
    selected = &AddMarker(*other, 12, "", 9);
    Show();
    doc.state.currentSet = 0;
    doc.state.firstProfile = 1;
    doc.state.firstColumn = 10;
    doc.state.imageWidth = 30;
    doc.state.profileShift = {{-3, -4, -5}, {0}};
    host.markerList.SelectMarker(2, true);
  }
  Point At(const KRadarProfile& p, int trace) const { return view.WorldToScreen(p.GetTracePosition(trace)); }

  KBaseLineProfile* forwardFirst;
  KBaseLineProfile* forward;
  KBaseLineProfile* reversed;
  KBaseLineProfile* other;
  KMarker* selected;
};

TEST(MapViewPaintTest, BaselinesShowTheCurrentSetInRedAndTheOthersInOrange) {
  PlanFixture f;
  const auto canvas = f.Paint();
  struct Case {
    Colour colour;
    const KBaseLineProfile* profile;
  };
  for (const auto& c : {Case{kRed, f.forwardFirst}, Case{kOrange, f.other}}) {
    const Point start = f.view.WorldToScreen(c.profile->baselineStart);
    const auto lines = LinesIn(canvas, c.colour);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].points, (std::vector<Point>{start, f.view.WorldToScreen(c.profile->baselineStop)}));
    const auto discs = canvas.CallsOf(Op::Ellipse);
    const auto disc = std::find_if(discs.begin(), discs.end(), [&](const Call& e) { return e.pen.colour == c.colour; });
    ASSERT_NE(disc, discs.end());
    EXPECT_EQ(disc->rect, (Rect{start.x - 5, start.y - 5, start.x + 5, start.y + 5}));
    EXPECT_EQ(disc->brush.colour, c.colour);
    const auto squares = canvas.CallsOf(Op::Rectangle);
    EXPECT_TRUE(std::any_of(squares.begin(), squares.end(), [&](const Call& r) {
      return r.rect == Rect{start.x - 2, start.y - 2, start.x + 2, start.y + 2} && r.pen.colour == c.colour &&
             r.brush.colour == Rgb(255, 255, 255);
    }));
  }
}

TEST(MapViewPaintTest, TheFirstDisplayedProfileIsBrownAndItsShownStretchGreen) {
  PlanFixture f;
  const auto canvas = f.Paint();
  auto line = [&](const KRadarProfile& p, int from, int to) { return std::vector<Point>{f.At(p, from), f.At(p, to)}; };
  const auto brown = LinesIn(canvas, kBrown);
  ASSERT_EQ(brown.size(), 1u);
  EXPECT_EQ(brown[0].points, line(*f.forward, 0, 200));
  EXPECT_EQ(LinesIn(canvas, kBlack).size(), 3u);
  // Forward: traces shift + firstColumn = 6 to 36. Reversed: 201 − (−5) − 10 = 196 back to 166.
  const auto green = LinesIn(canvas, kGreen);
  ASSERT_EQ(green.size(), 1u);
  EXPECT_EQ(green[0].points, line(*f.forward, 6, 36));
  const auto blue = LinesIn(canvas, kSkyBlue);
  ASSERT_EQ(blue.size(), 1u);
  EXPECT_EQ(blue[0].points, line(*f.reversed, 166, 196));
}

TEST(MapViewPaintTest, StretchesAreClampedToTheProfilesTraces) {
  struct Case {
    int firstColumn;
    int imageWidth;
    int from, to;
  };
  // The forward profile is shifted by −4.
  const Case cases[] = {{-50, 30, 0, 0}, {190, 40, 186, 200}, {-10, 500, 0, 200}};
  for (const auto& c : cases) {
    PlanFixture f;
    f.doc.state.firstColumn = c.firstColumn;
    f.doc.state.imageWidth = c.imageWidth;
    const auto green = LinesIn(f.Paint(), kGreen);
    ASSERT_EQ(green.size(), 1u);
    EXPECT_EQ(green[0].points, (std::vector<Point>{f.At(*f.forward, c.from), f.At(*f.forward, c.to)})) << c.firstColumn;
  }
}

TEST(MapViewPaintTest, VisibleMarkersAreCrossesAndSelectedOnesAreBoxed) {
  PlanFixture f;
  const auto canvas = f.Paint();
  struct Case {
    Colour colour;
    Point at;
  };
  // Type 2 is green, type 9 (as 2 again) green too; type 3 is hidden.
  for (const auto& c : {Case{Rgb(0, 255, 0), f.At(*f.forward, 30)}, Case{Rgb(0, 255, 0), f.At(*f.other, 12)}}) {
    const auto crosses = LinesIn(canvas, c.colour, 3);
    EXPECT_TRUE(std::any_of(crosses.begin(), crosses.end(), [&](const Call& l) {
      return l.points == std::vector<Point>{{c.at.x - 5, c.at.y}, {c.at.x + 5, c.at.y}};
    }));
    EXPECT_TRUE(std::any_of(crosses.begin(), crosses.end(), [&](const Call& l) {
      return l.points == std::vector<Point>{{c.at.x, c.at.y - 5}, {c.at.x, c.at.y + 5}};
    }));
  }
  EXPECT_TRUE(LinesIn(canvas, Rgb(0, 0, 255), 3).empty());
  const Point boxed = f.At(*f.other, 12);
  std::vector<Rect> boxes;
  for (const auto& r : canvas.CallsOf(Op::Rectangle))
    if (r.brush.style == BrushStyle::None) boxes.push_back(r.rect);
  EXPECT_EQ(boxes, (std::vector<Rect>{{boxed.x - 8, boxed.y - 8, boxed.x + 8, boxed.y + 8}}));
}

TEST(MapViewPaintTest, GpsProfilesArePolylinesThroughTheirFixes) {
  MapFixture f(2);
  f.app.settings().MaxProfile = 1;
  // A fix repeating the first one's place adds nothing to the line.
  auto& track = f.AddGps(100, {{1, 52.0, 15.0}, {2, 52.0, 15.0}, {50, 52.001, 15.002}, {100, 52.002, 15.0}});
  f.Show();
  f.doc.state.firstColumn = 20;
  f.doc.state.imageWidth = 10;
  const auto canvas = f.Paint();
  const auto brown = LinesIn(canvas, kBrown);
  ASSERT_EQ(brown.size(), 1u);
  EXPECT_EQ(brown[0].op, Op::Polyline);
  std::vector<point3D> fixes;
  track.GetTracePositions(fixes, 0, 100);
  ASSERT_EQ(fixes.size(), 4u);
  EXPECT_EQ(brown[0].points, (std::vector<Point>{f.view.WorldToScreen(fixes[0]), f.view.WorldToScreen(fixes[2]),
                                                 f.view.WorldToScreen(fixes[3])}));
  // The shown stretch runs through the interpolated traces 20 to 30.
  const auto green = LinesIn(canvas, kGreen);
  ASSERT_EQ(green.size(), 1u);
  ASSERT_EQ(green[0].points.size(), 11u);
  EXPECT_EQ(green[0].points.front(), f.view.WorldToScreen(track.GetTracePosition(20)));
  EXPECT_EQ(green[0].points.back(), f.view.WorldToScreen(track.GetTracePosition(30)));
  // GPS projects have no baselines.
  EXPECT_TRUE(canvas.CallsOf(Op::Ellipse).empty());
}

}  // namespace
}  // namespace tarvix
