#include "sitemap/AxisTicks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

#include "sitemap/Geodesy.h"

namespace tarvix {
namespace {

// A site-map-like linear axis: values grow upward from the bottom edge, origin at the data origin.
AxisScale LinearScale(Rect plot, DataRect data, double unitsPerPixel) {
  AxisScale scale;
  scale.plotRect = plot;
  scale.dataRect = data;
  scale.unitsPerPixel = {unitsPerPixel, unitsPerPixel};
  return scale;
}

// Labelled ticks as offset from `origin` -> label.
std::map<int, std::string> Labelled(const std::vector<int>& ticks, const std::vector<std::string>& labels,
                                    int origin) {
  std::map<int, std::string> labelled;
  for (std::size_t i = 0; i < ticks.size(); ++i)
    if (!labels[i].empty()) labelled[ticks[i] - origin] = labels[i];
  return labelled;
}

std::map<int, std::string> FirstThree(std::map<int, std::string> labelled) {
  while (labelled.size() > 3) labelled.erase(std::prev(labelled.end()));
  return labelled;
}

TEST(AxisTicksTest, LinearSpacingAndFormatFollowTheScale) {
  struct Case {
    double unitsPerPixel;
    int edge;  // x0 and y0
    int spacing;
    const char* format;
    std::map<int, std::string> firstLabels;  // offset from the origin edge
  } cases[] = {
      {0.1, 0, 10, "%3.0f", {{0, "  0"}, {50, "  5"}, {100, " 10"}}},
      {1.0, 0, 5, "%3.0f", {{0, "  0"}, {25, " 25"}, {50, " 50"}}},
      {0.001, 0, 8, "%5.2f", {{0, " 0.00"}, {40, " 0.04"}, {80, " 0.08"}}},
      // Seven-digit values widen the spacing from 5 to 25 pixels.
      {1.0, 1000000, 25, "%3.0f", {{0, "1000000"}, {125, "1000125"}, {250, "1000250"}}},
  };
  const Rect plot{100, 20, 400, 320};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.unitsPerPixel);
    const auto ticks =
        ComputeLinearTicks(LinearScale(plot, {c.edge, c.edge, c.edge + 300, c.edge + 300}, c.unitsPerPixel));
    EXPECT_EQ(ticks.xLabelFormat, c.format);
    EXPECT_EQ(ticks.yLabelFormat, c.format);
    ASSERT_GE(ticks.xTicks.size(), 2u);
    ASSERT_GE(ticks.yTicks.size(), 2u);
    for (std::size_t i = 1; i < ticks.xTicks.size(); ++i)
      EXPECT_EQ(ticks.xTicks[i] - ticks.xTicks[i - 1], c.spacing);
    for (std::size_t i = 1; i < ticks.yTicks.size(); ++i)
      EXPECT_EQ(ticks.yTicks[i - 1] - ticks.yTicks[i], c.spacing);
    EXPECT_EQ(FirstThree(Labelled(ticks.xTicks, ticks.xLabels, plot.left)), c.firstLabels);
    // y offsets count upward from the bottom edge.
    std::vector<int> heights;
    for (const int y : ticks.yTicks) heights.push_back(plot.bottom - y);
    EXPECT_EQ(FirstThree(Labelled(heights, ticks.yLabels, 0)), c.firstLabels);
  }
}

TEST(AxisTicksTest, XTicksStartAtTheOriginWhereverItLies) {
  struct Case {
    const char* where;
    int x0, x1;
    std::size_t tickCount;
    std::map<int, std::string> labelled;  // offset from the left edge -> label
  } cases[] = {
      {"left of the plot", 23, 83, 12, {{2, " 25"}, {27, " 50"}, {52, " 75"}}},
      {"inside the plot", -30, 30, 11, {{5, "-25"}, {30, "  0"}, {55, " 25"}}},
      {"right of the plot", -80, -20, 11, {{5, "-75"}, {30, "-50"}, {55, "-25"}}},
  };
  const Rect plot{100, 0, 160, 100};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.where);
    const auto ticks = ComputeLinearTicks(LinearScale(plot, {c.x0, 0, c.x1, 100}, 1.0));
    EXPECT_EQ(ticks.xTicks.size(), c.tickCount);
    EXPECT_EQ(Labelled(ticks.xTicks, ticks.xLabels, plot.left), c.labelled);
    const std::set<int> distinct(ticks.xTicks.begin(), ticks.xTicks.end());
    EXPECT_EQ(distinct.size(), ticks.xTicks.size()) << "a tick drawn twice";
    EXPECT_GE(*distinct.begin(), plot.left);
    EXPECT_LT(*distinct.rbegin(), plot.right);
  }
}

TEST(AxisTicksTest, ShortPlotsLabelEveryYTickInTheStepsOwnFormat) {
  struct Case {
    double unitsPerPixel;
    int y0, y1;
    std::vector<std::string> labels;  // bottom first
  } cases[] = {
      {0.1, 0, 40, {"  0", "  1", "  2", "  3"}},
      {0.02, 0, 40, {" 0.0", " 0.2", " 0.4", " 0.6"}},
      // Far from the origin the labels still need the step's decimals.
      {0.02, 1000, 1040, {"20.0", "20.2", "20.4", "20.6"}},
      // Five pixels apart is too close to label every tick.
      {1.0, 0, 20, {"  0", "", "", ""}},
      // Six spacings high is no longer short.
      {0.1, 0, 60, {"  0", "", "", "", "", "  5"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.unitsPerPixel << " from " << c.y0);
    const Rect plot{0, 100, 300, 100 + c.y1 - c.y0};
    const auto ticks = ComputeLinearTicks(LinearScale(plot, {0, c.y0, 300, c.y1}, c.unitsPerPixel));
    EXPECT_EQ(ticks.yLabels, c.labels);
    ASSERT_FALSE(ticks.yTicks.empty());
    EXPECT_EQ(ticks.yTicks.front(), plot.bottom);
  }
}

TEST(AxisTicksTest, DownwardValuesRunBothWaysFromTheZeroLevel) {
  struct Case {
    int zeroLevel;
    int strips;
    std::vector<int> ticks;
    std::vector<std::string> labels;
  } cases[] = {
      // Toward the top edge with negative values, then down to the strip's end; zero comes twice.
      {60,
       1,
       {70, 60, 50, 40, 30, 20, 10, 70, 80, 90, 100},
       {"  0", "", "", "", "", " -5", "", "  0", "", "", ""}},
      // Two strips: the scale covers the first strip only (100 / 2.12 data pixels).
      {20, 2, {30, 20, 10, 30, 40, 50}, {"  0", "", "", "  0", "", ""}},
      // A zero level below the plot: only the ticks that fall inside.
      {130, 1, {100, 90, 80, 70, 60, 50, 40, 30, 20, 10}, {"", " -5", "", "", "", "", "-10", "", "", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.zeroLevel);
    auto scale = LinearScale({0, 10, 200, 110}, {0, 0, 200, 100}, 0.1);
    scale.zeroLevel = c.zeroLevel;
    scale.stripCount = c.strips;
    scale.valuesDown = true;
    const auto ticks = ComputeLinearTicks(scale);
    EXPECT_EQ(ticks.yTicks, c.ticks);
    EXPECT_EQ(ticks.yLabels, c.labels);
  }
}

TEST(AxisTicksTest, DegenerateCountsActAsOne) {
  auto scale = LinearScale({0, 0, 50, 100}, {0, 0, 50, 100}, 1.0);
  scale.xLabelEvery = 0;
  scale.stripCount = 0;
  const auto ticks = ComputeLinearTicks(scale);
  EXPECT_EQ(ticks.xLabels,
            (std::vector<std::string>{"  0", "  5", " 10", " 15", " 20", " 25", " 30", " 35", " 40", " 45"}));
  EXPECT_EQ(ticks.yTicks.size(), 20u);
}

TEST(AxisTicksTest, UnusableScalesGiveNoTicks) {
  const double cases[] = {0.0, -0.1, INFINITY, NAN, 1e-320};
  for (const double unitsPerPixel : cases) {
    SCOPED_TRACE(unitsPerPixel);
    auto scale = LinearScale({0, 0, 300, 300}, {0, 0, 300, 300}, 1.0);
    scale.unitsPerPixel.y = unitsPerPixel;
    EXPECT_TRUE(ComputeLinearTicks(scale).yTicks.empty());
    scale = LinearScale({0, 0, 300, 300}, {0, 0, 300, 300}, 1.0);
    scale.scaleFactor = unitsPerPixel;
    EXPECT_TRUE(ComputeLinearTicks(scale).xTicks.empty());
  }
}

TEST(AxisTicksTest, DmsLabelsShowDegreesMinutesSeconds) {
  struct Case {
    double degrees;
    const char* secondsFormat;
    const char* label;
  } cases[] = {
      {55.7035, "%03.1f", "55\u00B042' 12.6''"}, {-0.7035, "%03.1f", "-0\u00B042' 12.6''"},
      {-3.25, "%02.0f", "-3\u00B015' 00''"},     {-3.0, "%02.0f", "-3\u00B000' 00''"},
      {12.5, "%04.2f", "12\u00B030' 0.00''"},    {0.0001, "%05.3f", "0\u00B000' 0.360''"},
  };
  for (const auto& c : cases) EXPECT_EQ(DmsLabel(c.degrees, c.secondsFormat), c.label) << c.degrees;
}

TEST(AxisTicksTest, SecondsFormatFollowsTheStepInArcSeconds) {
  struct Case {
    double valueStep;  // 1/100000 degree = 0.036''
    const char* format;
  } cases[] = {{0.5, "%05.3f"}, {5.0, "%04.2f"}, {50.0, "%03.1f"}, {100.0, "%02.0f"}};
  for (const auto& c : cases) EXPECT_EQ(SecondsFormat(c.valueStep), c.format) << c.valueStep;
}

TEST(AxisTicksTest, GeographicTicksSplitThePlotInFiveAcrossTheMeridian) {
  AxisScale scale;
  scale.plotRect = {0, 0, 500, 500};
  scale.dataRect = {-100, 5570350, 150, 5570600};
  const auto ticks = ComputeGeographicTicks(scale);
  EXPECT_EQ(ticks.yTicks, (std::vector<int>{500, 400, 300, 200, 100}));
  EXPECT_EQ(ticks.xTicks, (std::vector<int>{0, 100, 200, 300, 400}));
  EXPECT_EQ(ticks.yLabelFormat, "%03.1f");
  EXPECT_EQ(ticks.yLabels.front(), "55\u00B042' 12.6''");
  EXPECT_EQ(ticks.yLabels.back(), "55\u00B042' 19.8''");
  EXPECT_EQ(ticks.xLabels,
            (std::vector<std::string>{"-0\u00B000' 3.6''", "-0\u00B000' 1.8''", "0\u00B000' 0.0''",
                                      "0\u00B000' 1.8''", "0\u00B000' 3.6''"}));
  EXPECT_DOUBLE_EQ(ticks.latBottom, 55.7035);
  EXPECT_DOUBLE_EQ(ticks.latTop, 55.7055);
  EXPECT_DOUBLE_EQ(ticks.lonLeft, -0.001);
  EXPECT_DOUBLE_EQ(ticks.lonRight, 0.001);
}

TEST(AxisTicksTest, GeographicPixelStepFollowsTheStrictlyLargerExtent) {
  struct Case {
    const char* what;
    Rect plot;
    DataRect data;
    std::size_t yCount, xCount;
  } cases[] = {
      {"equal extents: the height", {0, 0, 500, 300}, {0, 5000000, 500, 5000500}, 5, 9},
      {"wider extent: the width", {0, 0, 500, 300}, {0, 5000000, 501, 5000500}, 3, 5},
      // No width while the width sets the step: nothing to tick, and no endless loop.
      {"empty plot", {0, 0, 0, 500}, {0, 5000000, 1000, 5000500}, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    AxisScale scale;
    scale.plotRect = c.plot;
    scale.dataRect = c.data;
    const auto ticks = ComputeGeographicTicks(scale);
    EXPECT_EQ(ticks.yTicks.size(), c.yCount);
    EXPECT_EQ(ticks.xTicks.size(), c.xCount);
    EXPECT_EQ(ticks.yLabels.size(), c.yCount);
    EXPECT_EQ(ticks.xLabels.size(), c.xCount);
  }
}

TEST(AxisTicksTest, UtmLabelsInterpolateBetweenTheCornerTicks) {
  struct Case {
    int extent;  // 1/100000 degree, both axes
    const char* yFormat;
    const char* xFormat;
  } cases[] = {{10000, "%7.0f", "%7.0f"}, {5, "%8.1f", "%8.1f"}, {1, "%8.1f", "%9.2f"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.extent);
    AxisScale scale;
    scale.plotRect = {0, 0, 500, 500};
    scale.dataRect = {1500000, 5000000, 1500000 + c.extent, 5000000 + c.extent};
    auto ticks = ComputeGeographicTicks(scale);
    double northBottom = ticks.latBottom, eastLeft = ticks.lonLeft;
    double northTop = ticks.latTop, eastRight = ticks.lonRight;
    ToUtmWgs84(northBottom, eastLeft);
    ToUtmWgs84(northTop, eastRight);

    EXPECT_EQ(RelabelUtm(ticks), "33U");
    EXPECT_EQ(ticks.yLabelFormat, c.yFormat);
    EXPECT_EQ(ticks.xLabelFormat, c.xFormat);
    EXPECT_DOUBLE_EQ(ticks.latBottom, northBottom);
    EXPECT_DOUBLE_EQ(ticks.lonRight, eastRight);
    ASSERT_EQ(ticks.yLabels.size(), 5u);
    ASSERT_EQ(ticks.xLabels.size(), 5u);
    char bottom[32], left[32];
    std::snprintf(bottom, sizeof bottom, c.yFormat, northBottom);
    std::snprintf(left, sizeof left, c.xFormat, eastLeft);
    EXPECT_EQ(ticks.yLabels.front(), bottom);
    EXPECT_EQ(ticks.xLabels.front(), left);
    // The last label lands on the far corner, to the labels' precision.
    EXPECT_NEAR(std::atof(ticks.yLabels.back().c_str()), northTop, 0.5);
    EXPECT_NEAR(std::atof(ticks.xLabels.back().c_str()), eastRight, 0.5);
  }
}

TEST(AxisTicksTest, ASingleUtmTickShowsItsCorner) {
  AxisScale scale;
  scale.plotRect = {0, 0, 500, 50};  // the wide x extent sets a 100-pixel step: one y tick
  scale.dataRect = {1500000, 5000000, 1510000, 5001000};
  auto ticks = ComputeGeographicTicks(scale);
  ASSERT_EQ(ticks.yTicks.size(), 1u);
  double north = 50.0, east = 15.0;
  ToUtmWgs84(north, east);
  RelabelUtm(ticks);
  char expected[32];
  std::snprintf(expected, sizeof expected, "%10.3f", north);
  EXPECT_EQ(ticks.yLabels, std::vector<std::string>{expected});
}

}  // namespace
}  // namespace tarvix
