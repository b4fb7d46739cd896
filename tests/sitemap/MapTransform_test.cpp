#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "sitemap/MapTransform.h"

namespace tarvix {
namespace {

TEST(MapTransformTest, WorldToScreenScalesScrollsAndFlipsY) {
  struct Case {
    double zoom;
    int scrollX, scrollY, height, printMargin;
    bool swap;
    point3D world;
    Point expected;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Case cases[] = {
      // Zoom 2 with scrollX 100: world x 80 is drawn at pixel 60.
      {2.0, 100, 0, 400, 0, false, {80, 0, 0}, {60, 400}},
      {2.0, 100, 30, 400, 0, false, {80, 50, 0}, {60, 330}},
      // Truncation toward zero, on both sides of the origin.
      {1.5, 0, 0, 100, 0, false, {-3, 1, 0}, {-4, 98}},
      // The page's margin lifts the drawing when printing.
      {1.0, 0, 0, 1000, 96, false, {10, 10, 0}, {10, 894}},
      // Left-handed baseline projects: X upward, Y to the right.
      {1.0, 0, 0, 100, 0, true, {10, 0, 0}, {0, 90}},
      {1.0, 0, 0, 100, 0, true, {0, 10, 0}, {10, 100}},
      // Far-away positions stay within the drawing calls' range; NaN goes to 0.
      {1.0, 0, 0, 0, 0, false, {1e12, -1e12, 0}, {0xFFFFFF, 0xFFFFFF}},
      {1.0, 0, 0, 0, 0, false, {-16777215, 16777214.9, 0}, {-0xFFFFFF, -16777214}},
      {1.0, 0, 0, 0, 0, false, {nan, 0, 0}, {0, 0}},
  };
  for (const auto& c : cases) {
    const MapTransform t{c.zoom, c.scrollX, c.scrollY, c.height, c.printMargin, c.swap};
    EXPECT_EQ(t.WorldToScreen(c.world), c.expected) << c.world.x << "," << c.world.y;
  }
}

TEST(MapTransformTest, ScreenToWorldUndoesTheTransform) {
  for (const bool swap : {false, true}) {
    const MapTransform t{0.25, -40, 12, 300, 0, swap};
    const point3D world = t.ScreenToWorld({17, 203});
    EXPECT_EQ(world.z, 0.0);
    EXPECT_EQ(t.WorldToScreen(world), (Point{17, 203})) << swap;
    // x = (17 − 40) / 0.25 and y = (12 + 300 − 203) / 0.25 before any exchange.
    EXPECT_DOUBLE_EQ(swap ? world.y : world.x, -92.0);
    EXPECT_DOUBLE_EQ(swap ? world.x : world.y, 436.0);
  }
}

}  // namespace
}  // namespace tarvix
