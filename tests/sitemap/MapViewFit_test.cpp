#include <gtest/gtest.h>

#include "MapFixture.h"
#include "sitemap/MapExtent.h"
#include "sitemap/MapViewWindow.h"

namespace tarvix {
namespace {

using testing::MapFixture;

// A baseline from (-10, -20) to (30, 40) with one short profile near its middle: the extent is
// set by the baseline's ends.
void AddSite(MapFixture& f) { f.AddBaseline(0, {-10, -20, 0}, {30, 40, 0}, 30, 90, 1, 21); }

// Fixes on exact binary fractions of a degree, so the scaled box is exact.
void AddTracks(MapFixture& f) {
  f.AddGps(10, {{1, 52.125, 15.25}, {10, 52.375, 15.5}});
  f.AddGps(10, {{1, 52.25, 15.375}, {10, 52.3125, 15.4375}});
}

TEST(MapExtentTest, CoversBaselinesProfilesOrFixesGrownByTwo) {
  struct Case {
    const char* name;
    int version;
    int orientation;
    bool filled;
    Rect expected;
  };
  const Case cases[] = {
      {"right-handed baseline", 1, 1, true, {-12, -22, 32, 42}},
      {"left-handed baseline, drawn with x and y exchanged", 1, 0, true, {-22, -12, 42, 32}},
      {"GPS, 1/100000 degree", 2, 0, true, {1524998, 5212498, 1550002, 5237502}},
      {"no points", 1, 1, false, {-2, -2, 2, 2}},
  };
  for (const auto& c : cases) {
    MapFixture f(c.version);
    f.app.settings().Orientation = c.orientation;
    if (c.filled) c.version == 2 ? AddTracks(f) : AddSite(f);
    EXPECT_EQ(ComputeMapExtent(f.doc.project, c.orientation == 0 && c.version == 1), c.expected) << c.name;
  }
}

TEST(MapExtentTest, GpsProjectsCountOnlyTheFirstSet) {
  MapFixture f(2);
  AddTracks(f);
  f.Set(1).profiles.push_back(std::make_unique<KGPSProfile>());
  static_cast<KGPSProfile&>(*f.Set(1).profiles.back()).coords.push_back(std::make_unique<CCoord>(CCoord{1, 10, 10, 0}));
  EXPECT_EQ(ComputeMapExtent(f.doc.project, false), (Rect{1524998, 5212498, 1550002, 5237502}));
}

TEST(MapViewFitTest, FitAllPutsTheExtent50PixelsInFromTheLowerLeft) {
  struct Case {
    const char* name;
    int version;
    int orientation;
    int width, height;
  };
  const Case cases[] = {
      {"baseline, height-limited", 1, 1, 600, 400},
      {"baseline, width-limited", 1, 1, 300, 900},
      {"left-handed baseline", 1, 0, 600, 400},
      {"GPS", 2, 0, 700, 500},
  };
  for (const auto& c : cases) {
    MapFixture f(c.version);
    f.app.settings().Orientation = c.orientation;
    c.version == 2 ? AddTracks(f) : AddSite(f);
    f.view.toolMode = 2;
    f.Show(c.width, c.height);
    const Rect e = ComputeMapExtent(f.doc.project, f.view.Transform().swapAxes);
    const MapTransform t = f.view.Transform();
    // The corner's pixel is only truncated, so it may fall one pixel short.
    EXPECT_NEAR(t.PixelX(e.left), 50, 1) << c.name;
    EXPECT_NEAR(t.PixelY(e.top), c.height - 50, 1) << c.name;
    // The limiting direction fills the window up to 50 pixels from the other edge.
    const float zx = static_cast<float>(c.width - 100) / static_cast<float>(e.Width());
    const float zy = static_cast<float>(c.height - 100) / static_cast<float>(e.Height());
    EXPECT_EQ(f.view.zoom, static_cast<double>(std::min(zx, zy))) << c.name;
    if (zx < zy)
      EXPECT_NEAR(t.PixelX(e.right), c.width - 50, 1) << c.name;
    else
      EXPECT_NEAR(t.PixelY(e.bottom), 50, 1) << c.name;
    EXPECT_EQ(f.view.referenceZoom, f.view.zoom) << c.name;
    EXPECT_EQ(f.view.toolMode, 0) << c.name;
  }
}

TEST(MapViewFitTest, AWindowNoLargerThanItsMarginsStillGetsAPositiveZoom) {
  MapFixture f;
  AddSite(f);
  f.Show(80, 60);
  EXPECT_GT(f.view.zoom, 0.0);
  const point3D world = f.view.ScreenToWorld({10, 10});
  EXPECT_TRUE(std::isfinite(world.x) && std::isfinite(world.y));
}

TEST(MapViewFitTest, HorizontalAndVerticalFitsUseOneDirectionEach) {
  MapFixture f;
  f.app.settings().Orientation = 1;
  AddSite(f);
  f.Show(600, 400);  // extent 44 × 64
  struct Case {
    int command;
    double zoom;
  };
  for (const auto& c : {Case{mapcommand::kHorizontalFit, 500.0f / 44}, Case{mapcommand::kVerticalFit, 300.0f / 64}}) {
    f.view.OnCommand(mapcommand::kZoomIn);
    const auto response = f.view.OnCommand(c.command);
    EXPECT_DOUBLE_EQ(f.view.zoom, c.zoom);
    EXPECT_EQ(f.view.referenceZoom, f.view.zoom);
    EXPECT_EQ(f.view.toolMode, 0);
    EXPECT_EQ(response.zoomBoxText, "100%");
    EXPECT_TRUE(response.repaint && response.scrollBars);
  }
}

TEST(MapViewFitTest, ScrollBarsFollowTheProjectKind) {
  MapFixture baseline;
  baseline.app.settings().Orientation = 1;
  AddSite(baseline);
  baseline.Show(600, 400);  // zoom 4.6875, scroll (-106, -153)
  const auto& b = baseline.view.ScrollBars();
  EXPECT_EQ(b.horizontal, (MapScrollBar{-106, 300, 30, -106}));
  EXPECT_EQ(b.vertical, (MapScrollBar{-153, 346, 30, 346}));
  EXPECT_EQ(b.horizontalRect, (Rect{0, 384, 584, 400}));
  EXPECT_EQ(b.verticalRect, (Rect{584, 0, 600, 384}));
  EXPECT_TRUE(b.horizontal.Needed() && b.vertical.Needed());

  MapFixture gps(2);
  AddTracks(gps);
  gps.Show(700, 500);  // extent 25004 × 25004 at zoom 400 / 25004
  const auto& g = gps.view.ScrollBars();
  EXPECT_EQ(g.horizontal.min, 0);
  EXPECT_NEAR(g.horizontal.max, 400, 1);
  EXPECT_EQ(g.horizontal.page, g.horizontal.max / 5);
  EXPECT_NEAR(g.horizontal.position, -50, 1);
  EXPECT_NEAR(g.vertical.max, 400, 1);
  EXPECT_NEAR(g.vertical.position, g.vertical.max + 50, 1);
}

class RecordingWindow : public MapViewWindow {
 public:
  std::vector<MapResponse> responses;
  void Apply(const MapResponse& response) override { responses.push_back(response); }
};

TEST(MapViewFitTest, TheDocumentsRepaintsAndRefitsReachTheWindow) {
  MapFixture f;
  AddSite(f);
  f.Show();
  RecordingWindow window;
  f.view.SetWindow(&window);
  f.doc.AttachView(f.view);
  f.view.OnCommand(mapcommand::kZoomIn);
  f.view.OnLButtonDown({300, 200}, {});
  ASSERT_NE(f.view.zoom, f.view.referenceZoom);

  f.doc.UpdateAllViews(0);
  ASSERT_EQ(window.responses.size(), 1u);
  EXPECT_TRUE(window.responses[0].repaint);
  EXPECT_FALSE(window.responses[0].zoomBoxText.has_value());

  // A refit starts again from the whole project, and the box says so.
  f.doc.RepaintMapViews(true);
  ASSERT_EQ(window.responses.size(), 3u);
  EXPECT_EQ(window.responses[1].zoomBoxText, "100%");
  EXPECT_TRUE(window.responses[1].scrollBars);
  EXPECT_EQ(window.responses[1].cursor, MapCursor::Arrow);
  EXPECT_TRUE(window.responses[2].repaint);
  EXPECT_EQ(f.view.zoom, f.view.referenceZoom);
  EXPECT_EQ(f.view.toolMode, 0);
  f.doc.DetachView(f.view);
}

TEST(MapViewFitTest, ClosingTellsTheDocumentAndKeepsThePlacementOnlyOfALoadedProject) {
  MapFixture f;
  f.doc.mapShown = 1;
  EXPECT_FALSE(f.view.StoresPlacement());
  f.doc.loaded = 1;
  EXPECT_TRUE(f.view.StoresPlacement());
  f.view.OnDestroy();
  EXPECT_EQ(f.doc.mapShown, 0);
  EXPECT_EQ(f.doc.mapFrame, nullptr);
}

}  // namespace
}  // namespace tarvix
