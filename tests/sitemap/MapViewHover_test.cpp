#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "MapFixture.h"
#include "MapHoverOracle.h"

namespace tarvix {
namespace {

using testing::MapFixture;
using Op = testing::RecordingCanvas::Op;

// Two vertical profiles 20 m long at x 20 and 40, right-handed; markers on the second.
struct HoverFixture : MapFixture {
  HoverFixture() {
    app.settings().Orientation = 1;
    AddBaseline(0, {0, 0, 0}, {100, 0, 0}, 20, 90, 10, 201, 0.1, "west");
    auto& east = AddBaseline(0, {0, 0, 0}, {100, 0, 0}, 40, 90, 10, 201, 0.1, "east");
    AddMarker(east, 50, "");
    AddMarker(east, 150, "pipe\nat 1 m");
    AddMarker(east, 190, "hidden", 1, false);
    Show();
  }
  Point Trace(int profile, int trace) const {
    return view.WorldToScreen(doc.project.sets[0]->profiles[static_cast<std::size_t>(profile)]->GetTracePosition(trace));
  }
};

TEST(MapHoverTest, TheProfileUnderTheMouseStaysHoveredWhenItMovesAway) {
  HoverFixture f;
  struct Step {
    Point at;
    int profile;
  };
  const Point west = f.Trace(0, 100);
  const Point east = f.Trace(1, 20);
  // The hover box reaches 5 pixels left and up, 4 right and down.
  const Step steps[] = {{{west.x + 5, west.y}, 0}, {{east.x - 4, east.y}, 1}, {{east.x + 30, east.y}, 1},
                        {{west.x - 5, west.y}, 1}, {{west.x - 4, west.y}, 0}};
  for (const auto& s : steps) {
    f.view.OnMouseMove(s.at);
    EXPECT_EQ(f.view.hoveredSet, 0);
    EXPECT_EQ(f.view.hoveredProfile, s.profile) << s.at.x;
  }
  EXPECT_EQ(f.view.PaneText(kMapProfilePane), "Profile: west.rd3 (32 bits)");
  f.app.context.is32BitData = false;
  EXPECT_EQ(f.view.PaneText(kMapProfilePane), "Profile: west.rd3 (16 bits)");
}

TEST(MapHoverTest, AMarkerWithACommentShowsItInUpperCaseUntilTheMouseLeaves) {
  HoverFixture f;
  const Point pipe = f.Trace(1, 150);
  struct Step {
    const char* name;
    Point at;
    bool tip;
    bool repaint;
  };
  const Step steps[] = {
      {"onto the marker", pipe, true, true},
      {"within reach", {pipe.x + 5, pipe.y + 5}, true, false},
      {"the marker without a comment", f.Trace(1, 50), false, true},
      {"the hidden marker", f.Trace(1, 190), false, false},
      {"back onto the marker", {pipe.x - 2, pipe.y}, true, true},
      {"away", {pipe.x + 40, pipe.y}, false, true},
  };
  for (const auto& s : steps) {
    const auto response = f.view.OnMouseMove(s.at);
    EXPECT_EQ(f.view.ToolTip().has_value(), s.tip) << s.name;
    EXPECT_EQ(f.view.hoveredMarker, s.tip ? 1 : -1) << s.name;
    EXPECT_EQ(response.repaint, s.repaint) << s.name;
  }
  f.view.OnMouseMove(pipe);
  testing::RecordingCanvas canvas;
  f.view.DrawToolTip(canvas);
  const auto boxes = canvas.CallsOf(Op::RoundRect);
  ASSERT_EQ(boxes.size(), 1u);
  // Two lines of 12-pixel text, the wider 6 characters of 6 pixels, 5 pixels of padding.
  const Rect area{pipe.x + 10, pipe.y + 10, pipe.x + 10 + 36, pipe.y + 10 + 24};
  EXPECT_EQ(boxes[0].rect, area.Inflate(5));
  EXPECT_EQ(boxes[0].points, (std::vector<Point>{{17, 17}}));
  EXPECT_EQ(boxes[0].brush.colour, Rgb(255, 255, 179));
  const auto texts = canvas.CallsOf(Op::DrawTextCentred);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "PIPE\nAT 1 M");
  EXPECT_EQ(texts[0].rect, area);
  EXPECT_EQ(texts[0].font, (Font{"Arial", 12, 400, 0}));
}

TEST(MapHoverTest, AZoomToolShowsItsCursorInsideThePlot) {
  HoverFixture f;
  struct Case {
    int tool;
    Point at;
    MapCursor cursor;
  };
  const Case cases[] = {{0, {300, 200}, MapCursor::Arrow},
                        {mapcommand::kZoomIn, {300, 200}, MapCursor::ZoomIn},
                        {mapcommand::kZoomOut, {300, 200}, MapCursor::ZoomOut},
                        {mapcommand::kZoomOut, {10, 10}, MapCursor::Arrow}};
  for (const auto& c : cases) {
    if (c.tool && !f.view.StateOf(c.tool).checked) f.view.OnCommand(c.tool);
    EXPECT_EQ(f.view.OnMouseMove(c.at).cursor, c.cursor) << c.at.x;
  }
}

// Throws from the position query, as a failing allocation would.
class FailingProfile : public KBaseLineProfile {
 public:
  int GetTracePositions(std::vector<point3D>&, int, int) const override {
    throw std::runtime_error(std::string(150, 'x'));
  }
};

TEST(MapHoverTest, AnErrorWhileHoveringIsToldInAWarningAndTheMapGoesOn) {
  HoverFixture f;
  f.Set(0).profiles.push_back(std::make_unique<FailingProfile>());
  f.view.OnUpdate(0);
  f.view.OnMouseMove({300, 200});
  ASSERT_EQ(f.app.ui.messages.size(), 1u);
  EXPECT_EQ(f.app.ui.messages[0].caption, "Warning");
  EXPECT_EQ(f.app.ui.messages[0].text, std::string(100, 'x'));
  EXPECT_EQ(f.view.lastMousePoint, (Point{300, 200}));
}

// Random projects and mouse positions: the index finds exactly the profiles that testing every
// position finds.
TEST(MapHoverIndexTest, FindsWhatTestingEveryPositionFinds) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int round = 0; round < 6; ++round) {
    const bool gps = round % 2 == 1;
    MapFixture f(gps ? 2 : 1);
    f.app.settings().Orientation = round % 3 == 0 ? 0 : 1;
    for (int p = 0; p < 12; ++p) {
      if (gps) {
        std::vector<MapFixture::Fix> fixes;
        double lat = 50 + unit(random) * 0.01;
        double lon = 10 + unit(random) * 0.01;
        for (int k = 0; k < 300; ++k) {
          lat += (unit(random) - 0.5) * 2e-5;
          lon += (unit(random) - 0.5) * 2e-5;
          fixes.push_back({k + 1, lat, lon});
        }
        // A damaged fix reads as not a number; it lands at pixel 0 and must still be found.
        if (p == 3) fixes[200].latitude = fixes[200].longitude = std::numeric_limits<double>::quiet_NaN();
        f.AddGps(300, fixes);
      } else {
        f.AddBaseline(static_cast<std::size_t>(p % 3), {0, 0, 0}, {300, 40, 0}, unit(random) * 300,
                      unit(random) * 360, unit(random) * 20, 50 + p * 37, 0.05 + unit(random) * 0.2);
      }
    }
    f.Show(640, 480);
    MapHoverIndex index;
    for (int probe = 0; probe < 400; ++probe) {
      MapTransform t = f.view.Transform();
      t.zoom *= 0.5 + unit(random) * 8;
      t.scrollX = static_cast<int>(f.view.scrollX * t.zoom / f.view.zoom + (unit(random) - 0.5) * 400);
      t.scrollY = static_cast<int>(f.view.scrollY * t.zoom / f.view.zoom + (unit(random) - 0.5) * 400);
      const Point at{static_cast<int>(unit(random) * 640), static_cast<int>(unit(random) * 480)};
      const Rect box = probe % 50 == 0 ? Rect{-5, -5, 5, 5} : Rect{at.x - 5, at.y - 5, at.x + 5, at.y + 5};
      ASSERT_EQ(index.ProfilesIn(f.doc.project, t, box), testing::ProfilesInByEveryPosition(f.doc.project, t, box))
          << round << " " << probe;
    }
  }
}

TEST(MapHoverIndexTest, NoticesProfilesAddedOrReplaced) {
  HoverFixture f;
  MapHoverIndex index;
  const MapTransform t = f.view.Transform();
  const Point far = f.view.WorldToScreen({80, 0, 0});
  const Rect box{far.x - 5, far.y - 5, far.x + 5, far.y + 5};
  EXPECT_TRUE(index.ProfilesIn(f.doc.project, t, box).empty());
  f.AddBaseline(0, {0, 0, 0}, {100, 0, 0}, 80, 90, 10, 201);
  EXPECT_EQ(index.ProfilesIn(f.doc.project, t, box), (std::vector<MapHoverIndex::Hit>{{0, 2}}));
  f.doc.project.sets[0]->profiles[2]->header.lastTrace = 50;  // now ends before the baseline
  EXPECT_TRUE(index.ProfilesIn(f.doc.project, t, box).empty());
}

}  // namespace
}  // namespace tarvix
