#include "profileview/Hyperbola.h"

#include <gtest/gtest.h>

#include "ViewFixture.h"

namespace tarvix {
namespace {

struct HyperbolaFixture : testing::ViewFixture {
  HyperbolaFixture() {
    // 0.1 ns per sample × 256 samples: 25.6 ns; 0.05 m per trace.
    profile = &AddBaseline(0, "a", 256, 400);
    hyperbola.profile = profile;
    hyperbola.velocity = 100;
  }
  std::vector<Point> Points(Point apex) { return HyperbolaPoints(hyperbola, apex, clip, 0, 0); }

  const KRadarProfile* profile;
  Hyperbola hyperbola;
  Rect clip{50, 50, 450, 300};
};

TEST(HyperbolaTest, AngleZeroIsAHorizontalLineAndSmallerAnglesWiden) {
  HyperbolaFixture f;
  const Point apex{250, 100};
  f.hyperbola.angle = 0;
  const auto flat = f.Points(apex);
  ASSERT_EQ(flat.size(), 400u);
  for (const Point& p : flat) EXPECT_EQ(p.y, apex.y);
  EXPECT_EQ(flat.front().x, 50);
  EXPECT_EQ(flat.back().x, 449);

  int previousDrop = -1;
  for (float angle : {30.0f, 60.0f, 90.0f}) {
    f.hyperbola.angle = angle;
    const auto points = f.Points(apex);
    ASSERT_FALSE(points.empty());
    // The apex stays on the curve; ten columns out the curve has fallen further the steeper it is.
    int drop = 0;
    for (const Point& p : points) {
      if (p.x == apex.x + 10) drop = p.y - apex.y;
      if (p.x == apex.x) {
        EXPECT_EQ(p.y, apex.y);
      }
    }
    EXPECT_GT(drop, previousDrop) << angle;
    previousDrop = drop;
  }
}

TEST(HyperbolaTest, ARadiusFlattensTheCurveAndTheClipCutsIt) {
  HyperbolaFixture f;
  const Point apex{250, 100};
  auto dropAt = [&](int dx) {
    for (const Point& p : f.Points(apex))
      if (p.x == apex.x + dx) return p.y - apex.y;
    return -1;
  };
  const int bare = dropAt(10);
  EXPECT_EQ(bare, 61);  // sqrt(50² + 100²) − 50 samples: 50 below the first arrival, 0.1 trace per sample
  f.hyperbola.radius = 0.5f;
  EXPECT_EQ(dropAt(10), 30);  // the centre 100 samples deeper: sqrt(150² + 100²) − 150
  for (const Point& p : f.Points(apex)) EXPECT_TRUE(f.clip.Contains(p));
  EXPECT_TRUE(f.Points({250, 40}).empty()) << "apex above the clip";
  f.hyperbola.profile = nullptr;
  EXPECT_TRUE(f.Points(apex).empty());
}

TEST(HyperbolaTest, AHeaderWithoutSamplesOrIntervalDrawsAFlatLine) {
  HyperbolaFixture f;
  KBaseLineProfile empty;
  f.hyperbola.profile = &empty;
  const auto points = f.Points({250, 100});
  ASSERT_EQ(points.size(), 400u);
  for (const Point& p : points) EXPECT_EQ(p.y, 100);
}

}  // namespace
}  // namespace tarvix
