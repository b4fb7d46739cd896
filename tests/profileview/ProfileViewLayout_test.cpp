#include <gtest/gtest.h>

#include "ViewFixture.h"
#include "profileview/DisplayedProfiles.h"
#include "profileview/ProfileViewWindow.h"

namespace tarvix {
namespace {

using testing::ViewFixture;

// The window side of the view: what it was last told to show.
struct RecordingWindow : ProfileViewWindow {
  void Invalidate() override { ++invalidated; }
  void UpdateNow() override { ++updated; }
  void ApplyScrollBars(const ScrollBarState& h, const ScrollBarState& v) override {
    horizontal = h;
    vertical = v;
  }
  int invalidated = 0;
  int updated = 0;
  ScrollBarState horizontal;
  ScrollBarState vertical;
};

TEST(ProfileViewLayoutTest, OneLongProfileScrollsOverItsTracesAndIsPulledBackAtTheEnd) {
  ViewFixture f;
  RecordingWindow window;
  f.view.SetWindow(&window);
  f.AddBaseline(0, "long", 64, 1000);
  // 800 × 600 pixels of image in a client of 920 × 700.
  f.Show(920, 700);
  EXPECT_EQ(window.horizontal, (ScrollBarState{{0, 684, 904, 700}, 0, 1000, 800, 0, true}));
  // 64 samples do not fill 600 rows; the range reaches one past the last sample, as the
  // horizontal one reaches one past the last column.
  EXPECT_EQ(window.vertical, (ScrollBarState{{904, 0, 920, 684}, 0, 64, 64, 0, true}));
  EXPECT_EQ(f.view.ImageRect(), (Rect{50, 50, 850, 114}));

  f.doc.state.firstColumn = 300;
  const Rect image = f.view.ImageRect();
  EXPECT_EQ(f.doc.state.firstColumn, 200);
  EXPECT_EQ(image, (Rect{50, 50, 850, 114}));
  EXPECT_EQ(f.view.previousScroll, (CTarvixView::ScrollPosition{200, 0}));

  // A position past the data goes back to the first column.
  f.doc.state.firstColumn = 1001;
  f.view.SetupScrollBars();
  EXPECT_EQ(window.horizontal.position, 0);
}

TEST(ProfileViewLayoutTest, VerticalScrollIsPulledBackWhenTheBandsWouldEndShort) {
  ViewFixture f;
  f.AddBaseline(0, "a", 1000, 100);
  f.AddBaseline(0, "b", 1000, 100);
  f.Show(920, 700);  // 600 rows for two bands of 1000 samples: 300 rows each
  EXPECT_EQ(f.view.VerticalBar().page, 300);
  EXPECT_TRUE(f.view.VerticalBar().enabled);
  f.doc.state.firstSample = 800;  // 2 × 200 rows left < 600: back by the rows missing
  EXPECT_EQ(f.view.ImageRect().Height(), 600);
  EXPECT_EQ(f.doc.state.firstSample, 600);
  f.doc.state.firstSample = 500;  // 2 × 500 rows left: nothing to do
  EXPECT_EQ(f.view.ImageRect().Height(), 600);
  EXPECT_EQ(f.doc.state.firstSample, 500);
}

TEST(ProfileViewLayoutTest, BaselineCrossingsLineUp) {
  ViewFixture f;
  f.AddBaseline(0, "short", 16, 1000, 10.0);
  f.AddBaseline(0, "far", 16, 1000, 25.0);
  f.Show(920, 700);
  EXPECT_EQ(f.doc.state.crossingColumn[0], 500);
  EXPECT_EQ(f.doc.state.profileShift[0], (std::vector<std::int32_t>{-300, 0}));
  const auto bands = f.view.Displayed();
  ASSERT_EQ(bands.size(), 2u);
  EXPECT_EQ(bands[0].ColumnOfTrace(0), 300);
  EXPECT_EQ(bands[0].ColumnOfTrace(200), 500);
  EXPECT_EQ(bands[1].ColumnOfTrace(500), 500);
  // The bar starts where the earliest profile starts and ends where the last one ends.
  EXPECT_EQ(f.view.HorizontalBar().min, 0);
  EXPECT_EQ(f.view.HorizontalBar().max, 1300);
}

TEST(ProfileViewLayoutTest, ReversedProfilesCountTheirCrossingFromTheOtherEnd) {
  const struct {
    bool forward;
    bool fromEnd;
    int crossing;
    int traceAtColumn0;
  } cases[] = {{true, false, 200, 0}, {false, false, 800, 999}, {true, true, 800, 999}, {false, true, 200, 0}};
  for (const auto& c : cases) {
    ViewFixture f;
    f.doc.state.baselineOrderFromEnd = c.fromEnd;
    f.AddBaseline(0, "line", 16, 1000, 10.0, c.forward);
    f.Show(920, 700);
    EXPECT_EQ(f.doc.state.crossingColumn[0], c.crossing) << c.forward << c.fromEnd;
    const auto band = f.view.Displayed().at(0);
    EXPECT_EQ(band.TraceAtColumn(0), c.traceAtColumn0);
    EXPECT_EQ(band.ColumnOfTrace(band.TraceAtColumn(637)), 637);
  }
}

TEST(ProfileViewLayoutTest, GpsProfilesAlignTheirStartsOrTheirEnds) {
  for (bool right : {false, true}) {
    ViewFixture f;
    f.doc.state.gpsAlignRight = right;
    f.AddGps(0, 600);
    f.AddGps(0, 1000);
    f.Show(920, 700);
    const auto bands = f.view.Displayed();
    ASSERT_EQ(bands.size(), 2u);
    EXPECT_EQ(bands[0].shift, right ? -400 : 0);
    EXPECT_EQ(bands[1].shift, 0);
    if (right)
      EXPECT_EQ(bands[0].ColumnOfTrace(599), bands[1].ColumnOfTrace(999));
    else
      EXPECT_EQ(bands[0].ColumnOfTrace(0), bands[1].ColumnOfTrace(0));
  }
}

TEST(ProfileViewLayoutTest, DisplayedProfilesFollowTheFirstProfileAndTheLimit) {
  const struct {
    int firstProfile;
    int maxProfile;
    int count;
    int firstIndex;
  } cases[] = {{0, 4, 4, 0}, {3, 4, 3, 3}, {5, 4, 1, 5}, {6, 4, 4, 0}, {9, 10, 6, 0}, {-1, 4, 4, 0}, {1, 2, 2, 1}};
  for (const auto& c : cases) {
    ViewFixture f;
    for (int i = 0; i < 6; ++i) f.AddGps(0, 100);
    f.app.settings().MaxProfile = c.maxProfile;
    f.doc.state.firstProfile = c.firstProfile;
    const auto bands = f.view.Displayed();
    EXPECT_EQ(f.view.DisplayedCount(), c.count) << c.firstProfile << " " << c.maxProfile;
    ASSERT_EQ(static_cast<int>(bands.size()), c.count);
    EXPECT_EQ(bands.front().indexInSet, c.firstIndex);
  }
  ViewFixture none;
  none.AddGps(0, 100);
  none.doc.state.currentSet = -1;
  EXPECT_EQ(none.view.DisplayedCount(), 0);
  none.doc.state.currentSet = 3;
  EXPECT_TRUE(none.view.Displayed().empty());
}

TEST(ProfileViewLayoutTest, UpdatesResetTheBarsOnlyWithAHint) {
  ViewFixture f;
  RecordingWindow window;
  f.view.SetWindow(&window);
  f.AddBaseline(0, "long", 64, 1000);
  f.Show(920, 700);
  f.doc.state.firstColumn = 5000;
  f.view.OnUpdate(0);
  EXPECT_EQ(window.horizontal.position, 0);
  EXPECT_EQ(f.doc.state.firstColumn, 5000);
  f.view.OnUpdate(1);
  EXPECT_EQ(f.doc.state.firstColumn, 0);
  EXPECT_EQ(window.invalidated, 3);  // the first update, and these two
  f.view.RepaintNow();
  EXPECT_EQ(window.updated, 1);
}

}  // namespace
}  // namespace tarvix
