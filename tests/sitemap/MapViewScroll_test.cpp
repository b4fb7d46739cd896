#include <gtest/gtest.h>

#include "MapFixture.h"

namespace tarvix {
namespace {

using testing::MapFixture;

TEST(MapScrollTest, HorizontalStepsLandOnTheEndsWithinOneStep) {
  struct Case {
    const char* name;
    MapScrollBar bar;
    ScrollCode code;
    int thumb;
    std::optional<int> expected;
  };
  const MapScrollBar bar{-20, 200, 30, 100};
  auto at = [&](int position) { return MapScrollBar{bar.min, bar.max, bar.page, position}; };
  const Case cases[] = {
      {"line right 15 short of the maximum", at(185), ScrollCode::LineForward, 0, 200},
      {"line right 20 short", at(180), ScrollCode::LineForward, 0, 190},
      {"line left near the minimum", at(-15), ScrollCode::LineBack, 0, -20},
      {"page right", at(100), ScrollCode::PageForward, 0, 150},
      {"page right 60 short", at(140), ScrollCode::PageForward, 0, 200},
      {"far left steps one page back", at(100), ScrollCode::ToStart, 0, 50},
      {"far right steps one page on", at(100), ScrollCode::ToEnd, 0, 150},
      {"thumb moved by 50", at(100), ScrollCode::ThumbTrack, 150, 150},
      {"thumb moved by 60, within one move of the end", at(100), ScrollCode::ThumbPosition, 160, 200},
      {"end of scroll", at(100), ScrollCode::EndScroll, 0, std::nullopt},
      {"no maximum to stop at", MapScrollBar{-20, -5, 30, -10}, ScrollCode::LineForward, 0, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(HorizontalScrollTarget(c.bar, c.code, c.thumb), c.expected) << c.name;
}

TEST(MapScrollTest, VerticalStepsStopAtTheMinimumGoingUpAndTheMaximumGoingDown) {
  struct Case {
    const char* name;
    int position;
    ScrollCode code;
    int thumb;
    std::optional<int> expected;
  };
  const Case cases[] = {
      {"line up", 100, ScrollCode::LineBack, 0, 90},
      {"line up at the top", -15, ScrollCode::LineBack, 0, -20},
      {"line down at the bottom", 195, ScrollCode::LineForward, 0, 200},
      {"page up", 100, ScrollCode::PageBack, 0, 50},
      {"top", 10, ScrollCode::ToStart, 0, -20},
      {"page down", 100, ScrollCode::PageForward, 0, 150},
      {"bottom", 180, ScrollCode::ToEnd, 0, 200},
      {"thumb up past the minimum", 100, ScrollCode::ThumbTrack, -50, -20},
      {"thumb down past the maximum", 100, ScrollCode::ThumbPosition, 250, 200},
      {"end of scroll", 100, ScrollCode::EndScroll, 0, std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(VerticalScrollTarget({-20, 200, 30, c.position}, c.code, c.thumb), c.expected) << c.name;
}

TEST(MapScrollTest, TheBarsAndMoveCommandsScrollTheMap) {
  MapFixture f;
  f.AddBaseline(0, {0, 0, 0}, {100, 0, 0}, 50, 90, 10, 201);
  f.Show();
  struct Case {
    const char* name;
    std::function<MapResponse(CMapView&)> act;
    int dx, dy;
  };
  const Case cases[] = {
      {"move right", [](CMapView& v) { return v.OnCommand(mapcommand::kMoveRight); }, 10, 0},
      {"move left", [](CMapView& v) { return v.OnCommand(mapcommand::kMoveLeft); }, -10, 0},
      {"right arrow", [](CMapView& v) { return v.OnKeyDown(MapKey::Right, {}); }, 10, 0},
      // The world goes up as the vertical bar goes up.
      {"move up", [](CMapView& v) { return v.OnCommand(mapcommand::kMoveUp); }, 0, 10},
      {"down arrow", [](CMapView& v) { return v.OnKeyDown(MapKey::Down, {}); }, 0, -10},
      // The vertical bar starts at its maximum, showing the lowest part of the project.
      {"page up", [](CMapView& v) { return v.OnVScroll(ScrollCode::PageBack, 0); }, 0, 50},
      {"page down", [](CMapView& v) { return v.OnVScroll(ScrollCode::PageForward, 0); }, 0, -50},
      {"wheel up two notches", [](CMapView& v) { return v.OnMouseWheel(240, {}); }, 0, 20},
      {"wheel down with Shift", [](CMapView& v) { return v.OnMouseWheel(-120, {true, false}); }, 10, 0},
      {"horizontal thumb", [](CMapView& v) { return v.OnHScroll(ScrollCode::ThumbTrack, v.ScrollBars().horizontal.position + 7); }, 7, 0},
  };
  for (const auto& c : cases) {
    const int x = f.view.scrollX;
    const int y = f.view.scrollY;
    const int hBar = f.view.ScrollBars().horizontal.position;
    const int vBar = f.view.ScrollBars().vertical.position;
    const auto response = c.act(f.view);
    EXPECT_EQ(f.view.scrollX - x, c.dx) << c.name;
    EXPECT_EQ(f.view.scrollY - y, c.dy) << c.name;
    EXPECT_EQ(f.view.ScrollBars().horizontal.position - hBar, c.dx) << c.name;
    EXPECT_EQ(f.view.ScrollBars().vertical.position - vBar, -c.dy) << c.name;
    EXPECT_TRUE(response.repaint && response.scrollBars) << c.name;
  }
}

TEST(MapZoomToolTest, TheZoomBoxReadsTheFactorAgainstTheLastFit) {
  struct Case {
    int tool;
    int clicks;
    const char* text;
  };
  const Case cases[] = {{mapcommand::kZoomIn, 1, "120%"}, {mapcommand::kZoomIn, 2, "144%"},
                        {mapcommand::kZoomOut, 1, " 83%"}, {mapcommand::kZoomOut, 2, " 69%"}};
  // Several window sizes give several fitted zooms, each with its own rounding.
  for (const Size window : {Size{600, 400}, Size{517, 389}, Size{1200, 900}, Size{333, 777}})
    for (const auto& c : cases) {
      MapFixture f;
      f.AddBaseline(0, {0, 0, 0}, {100, 0, 0}, 50, 90, 10, 201);
      f.Show(window.cx, window.cy);
      f.view.OnCommand(c.tool);
      EXPECT_TRUE(f.view.StateOf(c.tool).checked);
      MapResponse response;
      for (int i = 0; i < c.clicks; ++i) response = f.view.OnLButtonDown({200, 180}, {});
      EXPECT_EQ(response.zoomBoxText, c.text) << window.cx << " " << c.clicks;
      EXPECT_TRUE(response.repaint && response.scrollBars);
      EXPECT_EQ(f.view.OnLButtonUp({200, 180}).cursor,
                c.tool == mapcommand::kZoomIn ? MapCursor::ZoomIn : MapCursor::ZoomOut);
      EXPECT_EQ(f.view.OnCommand(mapcommand::kDefaultView).zoomBoxText, "100%");
      EXPECT_FALSE(f.view.StateOf(c.tool).checked);
    }
}

TEST(MapZoomToolTest, TheClickedPointComesToTheMiddle) {
  MapFixture f;
  f.AddBaseline(0, {0, 0, 0}, {100, 0, 0}, 50, 90, 10, 201);
  f.Show(600, 400);
  const point3D clicked = f.view.ScreenToWorld({420, 130});
  f.view.OnKeyDown(MapKey::KeypadMultiply, {});
  f.view.OnLButtonDown({420, 130}, {});
  const Point now = f.view.WorldToScreen(clicked);
  EXPECT_NEAR(now.x, 300, 1);
  EXPECT_NEAR(now.y, 200, 1);
  // The same key again puts the tool away; the other key takes the zoom-out tool.
  f.view.OnKeyDown(MapKey::KeypadMultiply, {});
  EXPECT_EQ(f.view.toolMode, 0);
  f.view.OnKeyDown(MapKey::KeypadDivide, {});
  EXPECT_EQ(f.view.toolMode, 2);
  f.view.OnKeyDown(MapKey::Escape, {});
  EXPECT_EQ(f.view.toolMode, 0);
  EXPECT_EQ(f.view.zoom, f.view.referenceZoom);
}

}  // namespace
}  // namespace tarvix
