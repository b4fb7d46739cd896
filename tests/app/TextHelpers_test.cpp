#include "app/TextHelpers.h"

#include <gtest/gtest.h>

#include "app/AppContext.h"
#include "support/TestApp.h"

namespace tarvix {
namespace {

TEST(TextHelpersTest, RoundToFractionRoundsHalfUpAndTruncatesNegatives) {
  struct Case {
    double x;
    int n;
    double expected;
  } cases[] = {{0.124, 100, 0.12}, {0.125, 100, 0.13}, {-0.126, 100, -0.12}, {2.0, 100, 2.0},
               {1.23456, 1000, 1.235}, {-5.5, 1, -5.0}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(RoundToFraction(c.x, c.n), c.expected) << c.x;
}

TEST(TextHelpersTest, FileNameOfPathTakesTheLastComponent) {
  EXPECT_EQ(FileNameOfPath("/survey/line01.rd3"), "line01.rd3");
  EXPECT_EQ(FileNameOfPath("line01"), "line01");
  EXPECT_EQ(FileNameOfPath("/survey/"), "");
}

TEST(TextHelpersTest, LengthsFollowTheDisplayUnit) {
  testing::TestApp app;
  EXPECT_EQ(UnitLabel(), "m");
  EXPECT_DOUBLE_EQ(MetresToDisplay(0.3048), 0.3048);
  app.settings().Units = 1;
  EXPECT_EQ(UnitLabel(), "ft");
  EXPECT_DOUBLE_EQ(MetresToDisplay(0.3048), 1.0);
  EXPECT_DOUBLE_EQ(DisplayToMetres(1.0), 0.3048);
}

}  // namespace
}  // namespace tarvix
