#include "model/KBaseLineProfile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "support/TestApp.h"

namespace tarvix {
namespace {

using testing::TestApp;

// Baseline (0, 0) → (10, 0), crossed at 4 m, with trace 4 on the baseline (xLength 2 at 0.5 m).
std::unique_ptr<KBaseLineProfile> Profile(double xAngle, point3D start = {0, 0, 0}, point3D stop = {10, 0, 0}) {
  auto profile = std::make_unique<KBaseLineProfile>();
  profile->baselineStart = start;
  profile->baselineStop = stop;
  profile->xDist2Base = 4;
  profile->xAngle = xAngle;
  profile->xLength = 2;
  profile->header.distanceInterval = 0.5;
  return profile;
}

TEST(KBaseLineProfileTest, PlacesTracesAlongTheProfileDirection) {
  struct Case {
    const char* what;
    int orientation;
    double xAngle;
    point3D start, stop;
    double direction;
    point3D trace0, trace4, trace10;
  };
  // The six-decimal pi leaves the right angles slightly short, by up to a few micrometres here.
  const Case cases[] = {
      {"right handed, 90", 1, 90, {0, 0, 0}, {10, 0, 0}, 270 * 3.141592 / 180, {4.000002, 2, 0}, {4, 0, 0},
       {3.999997, -3, 0}},
      {"left handed, 90", 0, 90, {0, 0, 0}, {10, 0, 0}, 90 * 3.141592 / 180, {3.999999, -2, 0}, {4, 0, 0},
       {4.000001, 3, 0}},
      {"right handed, 270", 1, 270, {0, 0, 0}, {10, 0, 0}, 450 * 3.141592 / 180, {3.999997, -2, 0}, {4, 0, 0},
       {4.000005, 3, 0}},
      {"left handed, 270", 0, 270, {0, 0, 0}, {10, 0, 0}, -90 * 3.141592 / 180, {3.999999, 2, 0}, {4, 0, 0},
       {4.000001, -3, 0}},
      {"baseline along y", 1, 90, {2, 1, 0}, {2, 11, 0}, 270 * 3.141592 / 180, {0, 5.000002, 0}, {2, 5, 0},
       {5, 4.999997, 0}},
      {"sloping baseline", 0, 180, {0, 0, 0}, {6, 0, 8}, 0, {0.4, 0, 3.2}, {2.4, 0, 3.2}, {5.4, 0, 3.2}},
  };
  TestApp app;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    app.settings().Orientation = c.orientation;
    auto profile = Profile(c.xAngle, c.start, c.stop);
    EXPECT_DOUBLE_EQ(profile->GetProfileDirection(), std::atan2(c.stop.y - c.start.y, c.stop.x - c.start.x) +
                                                        c.direction);
    std::vector<point3D> points;
    ASSERT_EQ(profile->GetTracePositions(points, 0, 11), 11);
    ASSERT_EQ(points.size(), 11u);
    for (auto [trace, expected] : {std::pair{0, c.trace0}, {4, c.trace4}, {10, c.trace10}}) {
      EXPECT_NEAR(points[trace].x, expected.x, 5e-7) << "trace " << trace;
      EXPECT_NEAR(points[trace].y, expected.y, 5e-7) << "trace " << trace;
      EXPECT_EQ(points[trace].z, expected.z) << "trace " << trace;
      EXPECT_EQ(profile->GetTracePosition(trace), points[trace]);
    }
    std::vector<point3D> tail;
    ASSERT_EQ(profile->GetTracePositions(tail, 9, 2), 2);
    EXPECT_EQ(tail[1], points[10]);
  }
}

TEST(KBaseLineProfileTest, TimeFlagSpacesTracesByTheTimeInterval) {
  TestApp app;
  app.settings().Orientation = 0;
  auto profile = Profile(90);
  profile->header.timeFlag = 1;
  profile->header.timeInterval = 0.25;
  const point3D trace10 = profile->GetTracePosition(10);  // 10 × 0.25 − 2 = 0.5 m past the baseline
  EXPECT_NEAR(trace10.x, 4, 1e-6);
  EXPECT_NEAR(trace10.y, 0.5, 1e-6);
}

TEST(KBaseLineProfileTest, DistanceToPointIsSignedOffsetFromTheLine) {
  struct Case {
    point3D point;
    double distance;
  };
  // Trace 0 at (4, 2), the profile running towards −y.
  const Case cases[] = {
      {{4, -10, 0}, 0}, {{4, 5, 0}, 0}, {{7, 2, 0}, -3}, {{1, 2, 0}, 3}, {{7, -3, 0}, -3}, {{1, -8, 0}, 3},
  };
  TestApp app;
  app.settings().Orientation = 1;
  const auto profile = Profile(90);
  for (const Case& c : cases)
    EXPECT_NEAR(profile->DistanceToPoint(c.point), c.distance, 1e-5) << c.point.x << ", " << c.point.y;
}

TEST(KBaseLineProfileTest, SideFollowsTheAngle) {
  struct Case {
    double xAngle;
    bool side0, side1;
  };
  const Case cases[] = {{90, false, true}, {180, false, true}, {180.5, true, false}, {270, true, false}};
  TestApp app;
  for (const Case& c : cases) {
    const auto profile = Profile(c.xAngle);
    EXPECT_EQ(profile->IsOnSide(0), c.side0) << c.xAngle;
    EXPECT_EQ(profile->IsOnSide(1), c.side1) << c.xAngle;
    EXPECT_EQ(profile->IsOnSide(2), c.side1) << c.xAngle;
  }
}

TEST(KBaseLineProfileTest, CoincidentEndPointsCrossAtTheStartWithAzimuthZero) {
  TestApp app;
  app.settings().Orientation = 1;
  const auto profile = Profile(90, {5, 5, 0}, {5, 5, 0});
  EXPECT_EQ(profile->GetBaselineAzimuth(), 0);
  std::vector<point3D> points;
  ASSERT_EQ(profile->GetTracePositions(points, 0, 11), 11);
  for (const point3D& p : points) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z));
  EXPECT_EQ(points[4], (point3D{5, 5, 0}));
  EXPECT_NEAR(points[0].x, 5, 1e-5);
  EXPECT_NEAR(points[0].y, 7, 1e-5);
  EXPECT_NEAR(profile->DistanceToPoint({8, 7, 0}), -3, 1e-5);
}

TEST(KBaseLineProfileTest, NegativeCountGivesNoPoints) {
  TestApp app;
  const auto profile = Profile(90);
  std::vector<point3D> points(3);
  EXPECT_EQ(profile->GetTracePositions(points, 0, -5), 0);
  EXPECT_TRUE(points.empty());
}

}  // namespace
}  // namespace tarvix
