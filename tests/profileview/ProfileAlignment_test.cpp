#include "profileview/ProfileAlignment.h"

#include <gtest/gtest.h>

#include "model/KBaseLineProfile.h"
#include "model/KGPSProfile.h"
#include "model/KTarvixProject.h"
#include "profileview/DisplayDirection.h"
#include "profileview/DisplayState.h"
#include "support/TestApp.h"

namespace tarvix {
namespace {

using Shifts = std::vector<std::int32_t>;

struct Profile {
  bool gps;
  int traces;
  double xLength = 0;
  double xAngle = 270;  // displayed forward
  double interval = 0.05;
  bool hasData = true;
};

std::unique_ptr<KRadarProfile> Make(const Profile& p) {
  std::unique_ptr<KRadarProfile> profile;
  if (p.gps) {
    profile = std::make_unique<KGPSProfile>();
  } else {
    auto baseline = std::make_unique<KBaseLineProfile>();
    baseline->xLength = p.xLength;
    baseline->xAngle = p.xAngle;
    profile = std::move(baseline);
  }
  profile->header.lastTrace = p.traces;
  profile->header.distanceInterval = p.interval;
  if (p.hasData) profile->dataPath = "p.rd3";
  return profile;
}

std::unique_ptr<KTarvixProject> ProjectOf(const std::vector<std::vector<Profile>>& sets) {
  auto project = std::make_unique<KTarvixProject>();
  for (const auto& set : sets) {
    project->sets.push_back(std::make_unique<KRadarProfileSet>());
    for (const auto& p : set) project->sets.back()->profiles.push_back(Make(p));
  }
  return project;
}

TEST(ProfileAlignmentTest, ProfilesMeetAtTheSetsCrossingColumn) {
  struct Case {
    const char* name;
    std::vector<Profile> set;
    bool alignRight;
    bool fromEnd;
    std::int32_t crossing;
    Shifts shifts;
  };
  const Case cases[] = {
      {"forward baselines", {{false, 1000, 10}, {false, 1000, 25}}, false, false, 500, {-300, 0}},
      {"a reversed profile counts from its end", {{false, 1000, 10, 90}, {false, 1000, 25}}, false, false, 800,
       {0, -300}},
      {"ordered from the other end", {{false, 1000, 10, 90}, {false, 1000, 25}}, false, true, 500, {-300, 0}},
      {"GPS profiles start together", {{true, 600}, {true, 1000}}, false, false, 0, {0, 0}},
      {"GPS profiles end together", {{true, 600}, {true, 1000}}, true, false, 1000, {-400, 0}},
      {"the first profile's trace interval serves the set",
       {{false, 1000, 10, 270, 0.1}, {false, 1000, 10, 270, 0.05}}, false, false, 100, {0, 0}},
      {"no trace interval puts the crossing at trace 0", {{false, 1000, 10, 270, 0}, {false, 1000, 0}}, false,
       false, 0, {0, 0}},
      {"longer than 16-bit columns", {{false, 100000, 2500}, {false, 100000, 100}}, false, false, 50000,
       {0, -48000}},
  };
  for (const auto& c : cases) {
    testing::TestApp app;
    const auto project = ProjectOf({c.set});
    DisplayState state;
    state.gpsAlignRight = c.alignRight;
    state.baselineOrderFromEnd = c.fromEnd;
    ASSERT_TRUE(ComputeAlignment(state, *project, 0)) << c.name;
    EXPECT_EQ(state.crossingColumn, Shifts{c.crossing}) << c.name;
    ASSERT_EQ(state.profileShift.size(), 1u) << c.name;
    EXPECT_EQ(state.profileShift[0], c.shifts) << c.name;
  }
}

TEST(ProfileAlignmentTest, StartsAtTheGivenSetAndStopsAtAProfileWithoutData) {
  testing::TestApp app;
  auto project = ProjectOf({{{false, 100, 1}}, {}, {{false, 100, 2}}, {{false, 100, 3, 270, 0.05, false}}});
  DisplayState state;
  state.crossingColumn = {7, 7};
  state.profileShift = {{-7}, {-7}};
  EXPECT_FALSE(ComputeAlignment(state, *project, 1));
  // Set 0 is left alone, the sets up to the failing one are aligned, the failing one is cleared.
  EXPECT_EQ(state.crossingColumn, (Shifts{7, 0, 40, 0}));
  EXPECT_EQ(state.profileShift, (std::vector<Shifts>{{-7}, {}, {0}, {}}));
  project->RemoveSet(3);
  ASSERT_TRUE(ComputeAlignment(state, *project, 0));
  EXPECT_EQ(state.crossingColumn, (Shifts{20, 0, 40}));
  EXPECT_EQ(state.profileShift.size(), 3u);
}

TEST(ProfileAlignmentTest, DisplayDirectionBySideOfTheBaseline) {
  testing::TestApp app;
  struct Case {
    Profile profile;
    bool fromEnd;
    bool forward;
  };
  const Case cases[] = {
      {{true, 10, 0, 90}, false, true},    {{true, 10, 0, 90}, true, true},     {{false, 10, 0, 270}, false, true},
      {{false, 10, 0, 180}, false, false}, {{false, 10, 0, 180}, true, true},   {{false, 10, 0, 181}, true, false},
      {{false, 10, 0, 90}, false, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsDisplayedForward(*Make(c.profile), c.fromEnd), c.forward)
        << c.profile.gps << " " << c.profile.xAngle << " " << c.fromEnd;
}

}  // namespace
}  // namespace tarvix
