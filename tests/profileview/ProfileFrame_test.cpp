#include <gtest/gtest.h>

#include <limits>

#include "ViewFixture.h"
#include "profileview/GainSlider.h"
#include "profileview/ProfileFrameTitle.h"

namespace tarvix {
namespace {

TEST(ProfileFrameTest, TitleIsSingularForExactlyOneProfile) {
  EXPECT_EQ(ProfileFrameTitle(1), "GPR Profile");
  for (int count : {0, 2, 4}) EXPECT_EQ(ProfileFrameTitle(count), "GPR Profiles");
}

struct CountingView : DocumentView {
  void OnUpdate(int hint) override { updates.push_back(hint); }
  void OnInitialUpdate() override {}
  void RepaintNow() override {}
  std::vector<int> updates;
};

TEST(ProfileFrameTest, GainSliderShowsTheWholeGainAndSetsWholeGains) {
  const struct {
    float gain;
    int position;
  } shown[] = {{1.0f, 1}, {2.9f, 2}, {80.0f, 80}, {0.5f, 1}, {500.0f, 80}, {std::numeric_limits<float>::quiet_NaN(), 1}};
  for (const auto& c : shown) {
    testing::TestApp app;
    app.settings().Palette.gain = c.gain;
    EXPECT_EQ(GainSlider::Position(), c.position) << c.gain;
  }

  testing::ViewFixture f;
  CountingView view;
  f.doc.AttachView(view);
  const struct {
    int position;
    float gain;
  } moved[] = {{25, 25.0f}, {0, 1.0f}, {81, 80.0f}, {1, 1.0f}};
  for (const auto& c : moved) {
    GainSlider::Moved(c.position, f.doc);
    EXPECT_EQ(f.app.settings().Palette.gain, c.gain) << c.position;
  }
  EXPECT_EQ(view.updates, (std::vector<int>{0, 0, 0, 0}));
  f.doc.DetachView(view);
}

}  // namespace
}  // namespace tarvix
