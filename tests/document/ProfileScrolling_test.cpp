#include <gtest/gtest.h>

#include "document/ProfileScrolling.h"

namespace tarvix {
namespace {

TEST(ProfileScrolling, HorizontalStepsAndLimits) {
  // 3000 display columns from −200, an image 800 wide, first column 1000.
  const ScrollRange bar{-200, 3000, 1000};
  struct Case {
    ScrollAction action;
    int track;
    int expected;
  };
  const Case cases[] = {
      {ScrollAction::LineBack, 0, 990},     {ScrollAction::LineForward, 0, 1010},
      {ScrollAction::PageBack, 0, 600},     {ScrollAction::ToStart, 0, 600},
      {ScrollAction::PageForward, 0, 1400}, {ScrollAction::ToEnd, 0, 1400},
      {ScrollAction::Track, 1234, 1234},    {ScrollAction::EndScroll, 0, 1000},
      {ScrollAction::Track, -500, -200},    {ScrollAction::Track, 2900, 2200},  // the image ends at the data
  };
  for (const auto& c : cases)
    EXPECT_EQ(HorizontalScrollTarget(bar, 800, c.action, c.track), c.expected) << static_cast<int>(c.action);
}

TEST(ProfileScrolling, VerticalStepsEndOneBandShortAndIgnoreTheEndOfAScroll) {
  // 512 samples in bands of 200 rows, an image of two bands.
  const ScrollRange bar{0, 512, 100};
  EXPECT_EQ(VerticalScrollTarget(bar, 400, 200, ScrollAction::LineForward, 0), 110);
  EXPECT_EQ(VerticalScrollTarget(bar, 400, 200, ScrollAction::PageForward, 0), 300);
  EXPECT_EQ(VerticalScrollTarget(ScrollRange{0, 512, 300}, 400, 200, ScrollAction::PageForward, 0), 312);
  EXPECT_EQ(VerticalScrollTarget(bar, 400, 200, ScrollAction::PageBack, 0), 0);
  EXPECT_EQ(VerticalScrollTarget(bar, 400, 200, ScrollAction::EndScroll, 0), 100);
}

TEST(ProfileScrolling, MovesNeverLeaveDataShorterThanTheImage) {
  // One profile of 500 traces in an image 800 wide: nothing to scroll, whatever the wheel says.
  const ScrollRange bar{0, 500, 0};
  for (const int delta : {120, -120, 10}) EXPECT_EQ(HorizontalMoveTarget(bar, 800, delta), 0) << delta;
  EXPECT_EQ(HorizontalMoveTarget(ScrollRange{0, 5000, 100}, 800, 120), 220);  // one wheel notch
  EXPECT_EQ(VerticalMoveTarget(ScrollRange{0, 100, 0}, 200, 10), 0);
}

}  // namespace
}  // namespace tarvix
