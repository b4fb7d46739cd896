#include "profileview/MarkerDrawing.h"

#include <gtest/gtest.h>

#include "ViewFixture.h"
#include "profileview/MarkerTypeColour.h"

namespace tarvix {
namespace {

using testing::RecordingCanvas;
using testing::ViewFixture;
using Op = RecordingCanvas::Op;

// The markers drawn, as the centres of their symbols (the crossing point of the two strokes of
// the screen's upright cross) with the symbol's colour.
struct Symbol {
  Point at;
  Colour colour;
  friend bool operator==(const Symbol&, const Symbol&) = default;
};
std::vector<Symbol> Symbols(const RecordingCanvas& canvas) {
  std::vector<Symbol> symbols;
  const auto lines = canvas.CallsOf(Op::Line);
  for (std::size_t i = 0; i + 1 < lines.size(); ++i)
    if (lines[i].pen.width == 3 && lines[i].points[0].y == lines[i].points[1].y)
      symbols.push_back({{(lines[i].points[0].x + lines[i].points[1].x) / 2, lines[i].points[0].y},
                         lines[i].pen.colour});
  return symbols;
}

std::vector<std::string> Labels(const RecordingCanvas& canvas) {
  std::vector<std::string> labels;
  for (const auto& call : canvas.CallsOf(Op::DrawTextCentred)) labels.push_back(call.text);
  return labels;
}

// Two bands of 200 rows over 800 columns; band 1 starts at image row 200.
struct MarkerFixture : ViewFixture {
  MarkerFixture() {
    top = &AddBaseline(0, "top", 300, 1000);
    bottom = &AddBaseline(0, "bottom", 300, 1000);
  }
  KBaseLineProfile* top;
  KBaseLineProfile* bottom;
};

TEST(MarkerPaintTest, OnlyMarkersInsideTheBandAreDrawn) {
  MarkerFixture f;
  f.app.settings().VertScale = 0;
  const struct {
    int trace, sample;
    bool drawn;
  } cases[] = {
      {0, 0, true},      {800, 10, true},  {801, 10, false}, {10, 198, true},
      {10, 199, false},  // one row above the band's last
      {-1, 10, false},  {10, -1, false},
  };
  for (const auto& c : cases) f.AddMarker(*f.top, c.trace, c.sample, 1);
  KMarker hidden;
  hidden.trace = 5;
  hidden.sample = 5;
  hidden.visible = 0;
  f.top->markers.items.push_back(hidden);
  f.Show(920, 500);
  const auto symbols = Symbols(f.Paint());
  std::vector<Symbol> expected;
  for (const auto& c : cases)
    if (c.drawn) expected.push_back({{50 + c.trace, 50 + c.sample}, Rgb(255, 0, 0)});
  EXPECT_EQ(symbols, expected);
}

TEST(MarkerPaintTest, MarkersFollowScrollingAndReversal) {
  MarkerFixture f;
  f.bottom->xAngle = 90.0;  // reversed, crossing at its trace 0: trace t at column 999 − t
  f.bottom->xLength = 50.0;
  f.AddMarker(*f.top, 400, 100, 2);
  f.AddMarker(*f.bottom, 400, 100, 3);
  f.Show(920, 500);
  f.doc.state.firstColumn = 100;
  f.doc.state.firstSample = 20;
  EXPECT_EQ(Symbols(f.Paint()),
            (std::vector<Symbol>{{{350, 130}, Rgb(0, 255, 0)}, {{549, 330}, Rgb(0, 0, 255)}}));
}

TEST(MarkerPaintTest, TypesWithoutAColourOfTheirOwnAreBlack) {
  MarkerFixture f;
  const struct {
    int type;
    Colour colour;
  } cases[] = {{0, Rgb(0, 0, 0)},    {4, Rgb(255, 255, 0)}, {6, Rgb(255, 0, 255)}, {8, Rgb(255, 0, 0)},
               {13, Rgb(255, 0, 255)}, {14, Rgb(0, 0, 0)},  {20, Rgb(0, 0, 0)},    {-1, Rgb(0, 0, 0)}};
  for (std::size_t i = 0; i < std::size(cases); ++i) f.AddMarker(*f.top, static_cast<int>(i) * 10, 50, cases[i].type);
  f.Show(920, 500);
  const auto symbols = Symbols(f.Paint());
  ASSERT_EQ(symbols.size(), std::size(cases));
  for (std::size_t i = 0; i < symbols.size(); ++i) EXPECT_EQ(symbols[i].colour, cases[i].colour) << cases[i].type;
}

TEST(MarkerPaintTest, NumberedTypesCountTheMarkersDrawnInOrder) {
  MarkerFixture f;
  f.AddMarker(*f.top, 100, 50, 13, "ignored");
  f.AddMarker(*f.top, 900, 50, 13, "off screen");
  f.AddMarker(*f.top, 200, 50, 20);
  f.AddMarker(*f.top, 300, 50, 5, "pipe\nat 1.2 m");
  f.AddMarker(*f.bottom, 50, 50, 13);
  f.AddMarker(*f.bottom, 60, 50, 20);
  f.AddMarker(*f.bottom, 70, 50, 1);  // no comment: no label
  f.Show(920, 500);
  EXPECT_EQ(Labels(f.Paint()), (std::vector<std::string>{"V1", "G1", "pipe\nat 1.2 m", "V2", "G2"}));
}

TEST(MarkerPaintTest, SelectedMarkersAreFramedByTheirGlobalIndex) {
  ViewFixture f;
  auto& other = f.AddBaseline(0, "other", 300, 1000);
  f.AddMarker(other, 10, 10, 0);
  f.AddMarker(other, 20, 10, 0);
  auto& shown = f.AddBaseline(1, "shown", 300, 1000);
  f.AddMarker(shown, 100, 40, 0);  // global index 2
  f.AddMarker(shown, 200, 60, 0);  // global index 3
  f.doc.state.currentSet = 1;
  f.Show(920, 500);
  f.host.list.SelectMarker(3, true);
  const auto frames = f.Paint().CallsOf(Op::Rectangle);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].rect, (Rect{238, 98, 262, 122}));
  EXPECT_EQ(frames[0].pen, (Pen{Rgb(0, 0, 0), 1, PenStyle::Solid}));
  EXPECT_EQ(frames[0].brush.style, BrushStyle::None);
}

TEST(MarkerDrawingTest, ThePrinterDrawsAShapePerType) {
  const struct {
    int type;
    Op op;
    std::vector<Point> points;
    Rect rect;
  } cases[] = {
      {0, Op::Line, {{90, 200}, {110, 200}}, {}},
      {1, Op::Line, {{90, 190}, {110, 210}}, {}},
      {2, Op::Rectangle, {}, {90, 190, 110, 210}},
      {3, Op::Ellipse, {}, {90, 190, 110, 210}},
      {4, Op::Polygon, {{100, 190}, {110, 200}, {90, 200}}, {}},
      {9, Op::Line, {{90, 200}, {110, 200}}, {}},
  };
  for (const auto& c : cases) {
    RecordingCanvas printer(true);
    DrawMarkerSymbol(printer, {100, 200}, c.type, 2.0);
    ASSERT_FALSE(printer.calls.empty());
    const auto& first = printer.calls.front();
    EXPECT_EQ(first.op, c.op) << c.type;
    EXPECT_EQ(first.points, c.points) << c.type;
    EXPECT_EQ(first.rect, c.rect) << c.type;
    EXPECT_EQ(first.pen, (Pen{MarkerTypeColour(c.type), 6, PenStyle::Solid})) << c.type;
  }
}

TEST(MarkerDrawingTest, LabelsStayInsideTheirRoom) {
  // RecordingCanvas text: 6 pixels a character and 12 a line at scale 1.
  const struct {
    std::string text;
    Size room;
    double scale;
    Rect box;
  } cases[] = {
      {"pipe", {300, 300}, 1.0, {145, 145, 179, 167}},              // below right of the anchor
      {"two\nlines", {300, 300}, 1.0, {145, 145, 185, 179}},        // the widest line, both heights
      {"pipe", {300, 10}, 1.0, {145, 131, 179, 153}},               // up by room − height − 2
      {"pipe", {20, 300}, 1.0, {129, 145, 163, 167}},               // left by room − width − 2
      {"pipe", {20, 10}, 1.0, {129, 98, 163, 120}},                 // both: bottom at the anchor + 20
      {"pipe", {300, 300}, 2.0, {140, 140, 208, 184}},              // printing scale
  };
  for (const auto& c : cases) {
    testing::TestApp app;
    RecordingCanvas canvas;
    DrawMarkerLabel(canvas, {100, 100}, c.text, c.room, c.scale, {50, 50});
    const auto boxes = canvas.CallsOf(Op::RoundRect);
    ASSERT_EQ(boxes.size(), 1u) << c.text;
    EXPECT_EQ(boxes[0].rect, c.box) << c.text << " " << c.room.cx << "," << c.room.cy;
    EXPECT_EQ(boxes[0].brush, (Brush{Rgb(255, 255, 179), BrushStyle::Solid}));
    EXPECT_EQ(boxes[0].points[0], (Point{static_cast<int>(17 * c.scale), static_cast<int>(17 * c.scale)}));
    const auto texts = canvas.CallsOf(Op::DrawTextCentred);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].rect, c.box.Inflate(-static_cast<int>(5 * c.scale)));
    EXPECT_EQ(texts[0].backgroundMode, BackgroundMode::Transparent);
    EXPECT_EQ(texts[0].font, (Font{"Arial", static_cast<int>(12 * c.scale), 400, 0}));
  }
  testing::TestApp app;
  RecordingCanvas canvas;
  DrawMarkerLabel(canvas, {100, 100}, "", {300, 300}, 1.0, {50, 50});
  EXPECT_TRUE(canvas.calls.empty());
}

}  // namespace
}  // namespace tarvix
