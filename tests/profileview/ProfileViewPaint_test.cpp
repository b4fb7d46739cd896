#include <gtest/gtest.h>

#include <algorithm>

#include "ViewFixture.h"

namespace tarvix {
namespace {

using testing::RecordingCanvas;
using testing::ViewFixture;
using Op = RecordingCanvas::Op;

// Samples whose colours vary along both the trace and the sample, so a misplaced strip shows.
std::int32_t Texture(int trace, int sample) { return ((trace * 7 + sample * 13) % 64 - 32) * 1024; }

bool SameImage(const ProfileImage& a, const ProfileImage& b) {
  if (!a.HasSize(b.Width(), b.Height())) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

// Two bands of 300 rows, 800 columns wide, scrolled into the middle of the data.
struct ScrollFixture : ViewFixture {
  ScrollFixture() {
    AddBaseline(0, "a", 400, 9000, 0, true, Texture);
    AddBaseline(0, "b", 400, 9000, 0, true, Texture);
    Show(920, 700);
    doc.state.firstColumn = 1000;
    doc.state.firstSample = 50;
    Paint();
  }
  // The image a view painting everything afresh shows at the current position.
  bool MatchesAFreshPaint() {
    CTarvixView fresh(doc, host.list);
    fresh.OnSize(920, 700);
    RecordingCanvas canvas;
    fresh.OnDraw(canvas);
    return SameImage(view.Image(), fresh.Image());
  }
};

TEST(ProfileViewPaintTest, ScrollingRecomputesOnlyTheUncoveredStrips) {
  const struct {
    int dx, dy, columns, rows;
  } cases[] = {
      {10, 0, 10, 0},   {-10, 0, 10, 0}, {0, 7, 0, 7},     {0, -7, 0, 7},  {10, 5, 10, 5},
      {-3, -299, 3, 299}, {800, 0, 800, 0},                // a whole page still shifts
      {801, 0, 800, 0},                                     // beyond a page: everything
      {10, 301, 800, 0}, {801, 5, 800, 0},                  // either beyond: everything
      {0, 0, 800, 0},
  };
  for (const auto& c : cases) {
    ScrollFixture f;
    f.doc.state.firstColumn += c.dx;
    f.doc.state.firstSample += c.dy;
    f.Paint();
    EXPECT_EQ(f.view.LastImageUpdate().columns, c.columns) << c.dx << " " << c.dy;
    EXPECT_EQ(f.view.LastImageUpdate().rows, c.rows) << c.dx << " " << c.dy;
    EXPECT_TRUE(f.MatchesAFreshPaint()) << c.dx << " " << c.dy;
  }
}

TEST(ProfileViewPaintTest, AScrollWithAnotherChangeRecomputesEverything) {
  ScrollFixture gain;
  gain.app.settings().Palette.gain = 3.0f;
  gain.doc.state.firstColumn += 10;
  gain.Paint();
  EXPECT_EQ(gain.view.LastImageUpdate().columns, 800);
  EXPECT_TRUE(gain.MatchesAFreshPaint());

  ScrollFixture reload;
  reload.doc.state.firstColumn += 10;
  reload.view.ReloadTraceWindow();  // filters or migration toggled meanwhile
  reload.Paint();
  EXPECT_EQ(reload.view.LastImageUpdate().columns, 800);
}

TEST(ProfileViewPaintTest, PixelsMapTheCachedSamplesAndPadWithTheColourOfZero) {
  ViewFixture f;
  f.AddBaseline(0, "short", 10, 50, 10.0, true, testing::TraceTone);  // trace 0 at column 300
  f.AddBaseline(0, "far", 10, 600, 25.0, true, testing::TraceTone);
  f.Show(920, 700);
  f.Paint();
  const auto& image = f.view.Image();
  EXPECT_EQ(image.Width(), 600);  // up to the last trace of "far"
  EXPECT_EQ(image.Height(), 20);  // two bands of 10 samples
  EXPECT_EQ(image.Pixel(299, 0), testing::GreyEntry(32));
  EXPECT_EQ(image.Pixel(300, 0), testing::GreyEntry(33));
  EXPECT_EQ(image.Pixel(349, 9), testing::GreyEntry(33 + 49 % 16));
  EXPECT_EQ(image.Pixel(350, 9), testing::GreyEntry(32));
  EXPECT_EQ(image.Pixel(0, 10), testing::GreyEntry(33));
  // Rows below a band's samples (scrolled down) show the colour of 0.
  f.doc.state.firstSample = 4;
  f.Paint();
  EXPECT_EQ(f.view.Image().Pixel(300, 5), testing::GreyEntry(33));
}

TEST(ProfileViewPaintTest, ThePaintDrawsImageNamesSeparatorsCrossingAndAxesInOrder) {
  ViewFixture f;
  f.AddBaseline(0, "short", 300, 1000, 10.0);
  f.AddBaseline(0, "far", 300, 1000, 25.0);
  f.AddBaseline(0, "third", 300, 1000, 20.0);
  f.Show(920, 700);  // 800 × 600, bands of 200 rows
  const auto canvas = f.Paint();

  ASSERT_GE(canvas.calls.size(), 3u);
  EXPECT_EQ(canvas.calls[0].op, Op::FillRect);
  EXPECT_EQ(canvas.calls[0].rect, (Rect{0, 0, 920, 700}));
  EXPECT_EQ(canvas.calls[1].op, Op::DrawImage);
  EXPECT_EQ(canvas.calls[1].rect, (Rect{50, 50, 850, 650}));

  const auto names = canvas.CallsOf(Op::TextOut);
  ASSERT_GE(names.size(), 3u);
  const std::string folder = f.dir.Path().string() + "/";
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(names[k].text, std::vector<std::string>({"short.rd3", "far.rd3", "third.rd3"})[k]);
    EXPECT_EQ(names[k].points[0], (Point{904, 50 + k * 200 + 20}));
    EXPECT_EQ(names[k].font, (Font{"Arial", 12, 700, 2700}));
  }

  std::vector<RecordingCanvas::Call> separators, crossings;
  for (const auto& call : canvas.CallsOf(Op::Line)) {
    if (call.pen == Pen{Rgb(255, 192, 192), 2, PenStyle::Solid}) separators.push_back(call);
    if (call.pen == Pen{Rgb(255, 0, 0), 2, PenStyle::Solid}) crossings.push_back(call);
  }
  ASSERT_EQ(separators.size(), 2u);
  EXPECT_EQ(separators[0].points, (std::vector<Point>{{0, 249}, {920, 249}}));
  EXPECT_EQ(separators[1].points, (std::vector<Point>{{0, 449}, {920, 449}}));
  ASSERT_EQ(crossings.size(), 1u);
  EXPECT_EQ(crossings[0].points, (std::vector<Point>{{550, 50}, {550, 645}}));

  // Scrolled so the crossing sits on the image's left edge, the line is left out.
  f.doc.state.firstColumn = 500;
  const auto scrolled = f.Paint();
  for (const auto& call : scrolled.CallsOf(Op::Line)) EXPECT_NE(call.pen.colour, Rgb(255, 0, 0));
}

TEST(ProfileViewPaintTest, AxesFollowTheLastProfileAndTheUnits) {
  const struct {
    int vertScale;
    int units;
    int traces;
    const char* xTitle;
    const char* yTitle;
    double unitY;
    int labelEvery;
  } cases[] = {
      {0, 0, 1000, "Distance [m]", "Time [ns]", 0.1, 5},
      {1, 0, 1000, "Distance [m]", "Depth [m]", 0.005, 5},
      {1, 1, 100000, "Distance [ft]", "Depth [ft]", 0.005 / 0.3048, 10},
  };
  for (const auto& c : cases) {
    ViewFixture f;
    f.app.settings().VertScale = c.vertScale;
    f.app.settings().Units = c.units;
    f.app.settings().ZeroLevel = 12;
    f.AddBaseline(0, "line", 4, c.traces, 10.0);
    f.Show(920, 700);
    f.doc.state.firstColumn = 150;
    f.Paint();
    const AxisFrame& axes = f.view.Axes();
    EXPECT_EQ(axes.xTitle, c.xTitle);
    EXPECT_EQ(axes.yTitle, c.yTitle);
    EXPECT_EQ(axes.plotRect, (Rect{50, 50, 850, 50}));  // 4 rows, less the 4 the axes leave
    EXPECT_EQ(axes.dataRect.x0, -50);  // column 150, crossing at 200
    EXPECT_EQ(axes.dataRect.x1, 750);
    EXPECT_DOUBLE_EQ(axes.unitsPerPixel.x, c.units ? 0.05 / 0.3048 : 0.05);
    EXPECT_NEAR(axes.unitsPerPixel.y, c.unitY, 1e-12);
    EXPECT_EQ(axes.zeroLevel, 12);
    EXPECT_EQ(axes.xLabelEvery, c.labelEvery);
    EXPECT_TRUE(axes.valuesDown);
    EXPECT_EQ(axes.stripCount, 1);
  }
}

TEST(ProfileViewPaintTest, AFontThatCannotBeMadeIsReportedAndDrawingGoesOn) {
  ViewFixture f;
  f.AddBaseline(0, "line", 100, 1000);
  f.Show(920, 700);
  RecordingCanvas canvas;
  canvas.failingEscapement = 2700;
  f.view.OnDraw(canvas);
  ASSERT_EQ(f.app.ui.messages.size(), 1u);
  EXPECT_EQ(f.app.ui.messages[0].text, "Error creating font!");
  EXPECT_EQ(f.app.ui.messages[0].caption, "ERROR");
  const auto texts = canvas.Texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "line.rd3"), texts.end());
}

TEST(ProfileViewPaintTest, RowsBelowTheLastBandStayWhite) {
  ViewFixture f;
  for (const char* name : {"a", "b", "c"}) f.AddBaseline(0, name, 400, 1000);
  f.Show(920, 701);  // 601 rows: three bands of 200 and one row left over
  f.Paint();
  const auto& image = f.view.Image();
  ASSERT_EQ(image.Height(), 601);
  for (int x : {0, 400, 799}) {
    EXPECT_EQ(image.Pixel(x, 600), 0xFFFFFFFFu);
    EXPECT_NE(image.Pixel(x, 599), 0xFFFFFFFFu);
  }
  f.doc.state.firstColumn = 7;
  f.Paint();
  EXPECT_EQ(f.view.LastImageUpdate().columns, 7);
  EXPECT_EQ(image.Pixel(795, 600), 0xFFFFFFFFu);
}

TEST(ProfileViewPaintTest, NothingToShowLeavesTheClientWhite) {
  ViewFixture f;
  f.Show(920, 700);
  auto canvas = f.Paint();
  ASSERT_EQ(canvas.calls.size(), 1u);
  EXPECT_EQ(canvas.calls[0].op, Op::FillRect);

  f.AddBaseline(0, "line", 100, 1000);
  f.view.OnSize(100, 90);  // no room for an image
  canvas = f.Paint();
  EXPECT_EQ(canvas.calls.size(), 1u);
}

}  // namespace
}  // namespace tarvix
