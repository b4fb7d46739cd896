#include "model/KRadarProfileSet.h"

#include <gtest/gtest.h>

#include "model/KBaseLineProfile.h"
#include "model/KTarvixProject.h"
#include "support/SurveyBuilder.h"
#include "support/TempDir.h"
#include "support/TestApp.h"

namespace tarvix {
namespace {

using testing::SurveyBuilder;
using testing::TempDir;
using testing::TestApp;

std::string Order(const KRadarProfileSet& set) {
  std::string names;
  for (const auto& profile : set.profiles) names += profile->GetDataPath().substr(profile->GetDataPath().size() - 5, 1);
  return names;
}

TEST(KRadarProfileSetTest, AddingSortsByDistanceWithTheExchangeSort) {
  TestApp app;
  TempDir dir;
  SurveyBuilder survey(dir.Path().string());
  KRadarProfileSet set;
  const std::pair<const char*, double> profiles[] = {{"A", 5}, {"B", 3}, {"C", 5}, {"D", 3}};
  for (auto [name, distance] : profiles) {
    survey.Profile(name, 4, 2, true);
    ASSERT_TRUE(set.AddBaseLineProfile(survey.BasePath(name), {0, 0, 0}, {10, 0, 0}, 1, 90, distance));
  }
  EXPECT_EQ(Order(set), "BDCA");
  set.SetDescending(true);
  set.SortProfiles();
  EXPECT_EQ(static_cast<KBaseLineProfile&>(*set.profiles.front()).xDist2Base, 5);
  EXPECT_EQ(static_cast<KBaseLineProfile&>(*set.profiles.back()).xDist2Base, 3);
  const auto& first = static_cast<KBaseLineProfile&>(*set.profiles.front());
  EXPECT_EQ(first.baselineStop.x, 10);
  EXPECT_EQ(first.xAngle, 90);
}

TEST(KRadarProfileSetTest, FailedAddLeavesTheSetUnchangedAndFirstProfileDetectsWidth) {
  TestApp app;
  TempDir dir;
  SurveyBuilder survey(dir.Path().string());
  survey.Profile("narrow", 4, 2, false);
  KRadarProfileSet set;
  EXPECT_FALSE(set.AddBaseLineProfile(survey.BasePath("missing"), {}, {}, 0, 90, 0));
  EXPECT_TRUE(set.profiles.empty());
  ASSERT_TRUE(set.AddBaseLineProfile(survey.BasePath("narrow"), {}, {}, 0, 90, 0));
  EXPECT_FALSE(app.context.is32BitData);
  EXPECT_EQ(set.profiles[0]->GetDataPath(), survey.BasePath("narrow") + ".rd3");
  EXPECT_EQ(set.AddGPSProfile(survey.BasePath("missing")), 1);
}

TEST(KRadarProfileSetTest, GpsSetsAreNeverReordered) {
  TestApp app;
  TempDir dir;
  SurveyBuilder survey(dir.Path().string());
  KRadarProfileSet set;
  for (const char* name : {"Z", "Y"}) {
    survey.Profile(name, 4, 2, true);
    survey.Coordinates(name, "1\t2026-01-01\t12:00:00\t59.5\tN\t18.0\tE\t12.3\tM\t0.0\r\n");
    ASSERT_EQ(set.AddGPSProfile(survey.BasePath(name)), 0);
  }
  set.SortProfiles();
  EXPECT_EQ(Order(set), "ZY");
}

TEST(KRadarProfileSetTest, RemovalIgnoresIndicesOutsideTheSet) {
  TestApp app;
  TempDir dir;
  SurveyBuilder survey(dir.Path().string());
  KTarvixProject project;
  project.sets.push_back(std::make_unique<KRadarProfileSet>());
  auto& set = *project.sets[0];
  for (const char* name : {"A", "B"}) {
    survey.Profile(name, 4, 2, true);
    ASSERT_TRUE(set.AddBaseLineProfile(survey.BasePath(name), {}, {}, 0, 90, name[0]));
  }
  for (int index : {-1, 2}) set.RemoveProfile(index);
  for (int index : {-1, 1}) project.RemoveSet(index);
  EXPECT_EQ(set.profiles.size(), 2u);
  EXPECT_EQ(project.sets.size(), 1u);
  set.RemoveProfile(0);
  EXPECT_EQ(Order(set), "B");
  project.RemoveSet(0);
  EXPECT_TRUE(project.sets.empty());
}

}  // namespace
}  // namespace tarvix
