#include "profileview/TraceWindow.h"

#include <gtest/gtest.h>

#include "ViewFixture.h"

namespace tarvix {
namespace {

using testing::SurveyBuilder;
using testing::ViewFixture;

TEST(TraceWindowTest, ANewStartHoldsTheVisibleColumns) {
  const struct {
    int column, width, start;
  } cases[] = {
      {0, 800, 0},        {3500, 800, 2000}, {4100, 800, 4000}, {7900, 800, 6000},
      {1500, 3000, 1500},  // neither step holds it: the window starts at the column
      {2500, 3500, 2500},  // ends exactly at the half step's end, which the window does not reach
      {-300, 800, -300},
  };
  for (const auto& c : cases) {
    const int start = TraceWindow::StartFor(c.column, c.width);
    EXPECT_EQ(start, c.start) << c.column << " " << c.width;
    TraceWindow window;
    window.start = start;
    EXPECT_FALSE(window.Leaves(c.column, c.width)) << c.column << " " << c.width;
  }
  TraceWindow window;
  EXPECT_TRUE(window.Leaves(-1, 10));
  EXPECT_TRUE(window.Leaves(3200, 800));
  EXPECT_FALSE(window.Leaves(3199, 800));
}

// The traces of every band's block against the traces its display columns show.
void ExpectWindowShows(const TraceWindow& window, const std::vector<DisplayedProfile>& bands, int columns) {
  for (std::size_t k = 0; k < bands.size(); ++k) {
    const int samples = bands[k].samples;
    for (int d = window.start; d < window.start + columns; d += 7) {
      const auto position = window.Position(window.BlockOffset(k), d, 1, samples);
      ASSERT_TRUE(position);
      const int trace = bands[k].TraceAtColumn(d);
      const bool inFile = trace >= 0 && trace < bands[k].traces;
      for (int s = 0; s < samples; ++s)
        ASSERT_EQ(window.Samples32()[*position + static_cast<std::size_t>(s)],
                  inFile ? SurveyBuilder::Pattern(trace, s) : 0)
            << "band " << k << " column " << d << " sample " << s;
    }
  }
}

TEST(TraceWindowTest, BlocksHoldTheTracesOfTheirColumnsForwardAndReversed) {
  for (int column : {0, 3500}) {
    ViewFixture f;
    f.app.context.is32BitData = true;
    f.AddBaseline(0, "ahead", 3, 5000, 15.0, true);
    f.AddBaseline(0, "back", 5, 3000, 40.0, false);
    f.Show(920, 700);
    ASSERT_TRUE(f.view.WindowFor(0, column, 800, 3));
    const auto& window = f.view.Traces();
    EXPECT_EQ(window.start, column ? 2000 : 0);
    ASSERT_EQ(window.Size(), 8u * TraceWindow::kTraces);
    ExpectWindowShows(window, f.view.Displayed(), TraceWindow::kTraces);
  }
}

TEST(TraceWindowTest, PaintingReadsOnlyWhenTheVisibleColumnsLeaveTheWindow) {
  ViewFixture f;
  f.AddBaseline(0, "a", 32, 9000);
  f.AddBaseline(0, "b", 32, 9000);
  f.Show(920, 700);
  const int afterShow = f.view.Traces().BlocksRead();
  EXPECT_EQ(afterShow, 2);
  f.Paint();
  for (int column : {10, 500, 3199, 0}) {
    f.doc.state.firstColumn = column;
    f.Paint();
  }
  f.Paint();
  EXPECT_EQ(f.view.Traces().BlocksRead(), afterShow);
  f.doc.state.firstColumn = 3300;  // columns up to 4099
  f.Paint();
  EXPECT_EQ(f.view.Traces().BlocksRead(), afterShow + 2);
  EXPECT_EQ(f.view.Traces().start, 2000);
}

TEST(TraceWindowTest, DifferentSampleCountsAreReportedOnceAtTheFirstUpdate) {
  ViewFixture f;
  f.AddBaseline(0, "a", 16, 100);
  f.AddBaseline(0, "b", 24, 100);
  f.Show(920, 700);
  ASSERT_EQ(f.app.ui.messages.size(), 1u);
  EXPECT_EQ(f.app.ui.messages[0].text,
            "One or more profiles can contain different amount of samples! It can cause that they will be showed "
            "wrong!");
  EXPECT_EQ(f.app.ui.messages[0].caption, "ERROR");
  // Each band still has its own block.
  EXPECT_EQ(f.view.Traces().Size(), (16u + 24u) * TraceWindow::kTraces);
  EXPECT_EQ(f.view.Traces().BlockOffset(1), 16u * TraceWindow::kTraces);
  EXPECT_FALSE(f.view.ReloadTraceWindow());
  f.Paint();
  EXPECT_EQ(f.app.ui.messages.size(), 1u);
}

TEST(TraceWindowTest, TracesAreReadThroughTheFilterListWhileFiltersAreOn) {
  ViewFixture f;
  f.app.context.is32BitData = true;
  f.AddBaseline(0, "line", 5, 100);
  const std::string filters = f.dir.File("chain.dat");
  testing::WriteFileBytes(filters, "SIEVEX32 FILTERS 1\r\ndcremoval on\r\n");
  ASSERT_NE(f.doc.filters.List().Load(filters), 0);
  f.Show(920, 700);
  // Trace t holds t × 100 + s: without its mean, −2, −1, 0, 1, 2 remain.
  const auto& window = f.view.Traces();
  const std::size_t trace7 = 7 * 5;
  EXPECT_EQ(window.Samples32()[trace7], -2);
  EXPECT_EQ(window.Samples32()[trace7 + 4], 2);
  f.view.ToggleFilters();
  ASSERT_TRUE(f.view.ReloadTraceWindow());
  EXPECT_EQ(window.Samples32()[trace7], 700);
  EXPECT_EQ(window.Samples32()[trace7 + 4], 704);
}

TEST(TraceWindowTest, NoSetOrNoProfileReadsNothingAndSucceeds) {
  ViewFixture f;
  f.AddBaseline(0, "a", 16, 100);
  f.doc.state.currentSet = -1;
  EXPECT_TRUE(f.view.ReloadTraceWindow());
  f.doc.state.currentSet = 1;
  EXPECT_TRUE(f.view.ReloadTraceWindow());
  EXPECT_EQ(f.view.Traces().BlocksRead(), 0);
}

TEST(TraceWindowTest, AWindowReadForOtherBandsIsReadAgainBeforePainting) {
  ViewFixture f;
  for (const char* name : {"a", "b", "c"}) f.AddBaseline(0, name, 20, 300, 0, true, testing::TraceTone);
  f.app.settings().MaxProfile = 1;
  f.Show(920, 700);
  f.Paint();
  // More bands without a refresh of the view: the paint must not read past the window.
  f.app.settings().MaxProfile = 3;
  f.Paint();
  EXPECT_EQ(f.view.Traces().Size(), 60u * TraceWindow::kTraces);
  const int bandHeight = f.view.Image().Height() / 3;
  EXPECT_EQ(f.view.Image().Pixel(0, 2 * bandHeight), testing::GreyEntry(33));
  EXPECT_EQ(f.view.Image().Pixel(5, 2 * bandHeight + 3), testing::GreyEntry(38));
}

TEST(TraceWindowTest, AWidthTheWindowCannotHoldShowsTheColourOfZeroWithoutReading) {
  ViewFixture f;
  f.AddBaseline(0, "wide", 8, 9000, 0, true, testing::TraceTone);
  f.Show(4200, 400);  // 4080 columns of image
  const int reads = f.view.Traces().BlocksRead();
  f.Paint();
  f.Paint();
  EXPECT_EQ(f.view.Traces().BlocksRead(), reads);
  EXPECT_EQ(f.view.Image().Width(), 4080);
  EXPECT_EQ(f.view.Image().Pixel(0, 0), testing::GreyEntry(32));
  EXPECT_EQ(f.view.Image().Pixel(4079, 7), testing::GreyEntry(32));
}

}  // namespace
}  // namespace tarvix
