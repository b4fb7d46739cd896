#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "CliRunner.h"
#include "DemoSurvey.h"
#include "support/TempDir.h"

namespace tarvix {
namespace {

using testing::DemoSurveyFolder;
using testing::RunCli;

TEST(CliProjectTest, InfoListsBaselineSetsWithPlacementAndPositions) {
  testing::TempDir config;
  auto result = RunCli({"info", DemoSurveyFolder() + demo::kDemoBaselineProject, "--positions", "1000"},
                       config.Path().string());
  ASSERT_EQ(result.status, 0);
  const auto doc = nlohmann::json::parse(result.out);
  const auto& project = doc["project"];
  EXPECT_EQ(project["version"], 1);
  ASSERT_EQ(project["sets"].size(), 2u);
  const auto& first = project["sets"][0]["profiles"][0];
  EXPECT_EQ(first["type"], "BaseLineProfile");
  EXPECT_EQ(first["baseline"]["stop"], nlohmann::json::array({30.0, 0.0, 0.0}));
  EXPECT_EQ(first["baseline"]["xDist2Base"], 5.0);
  // Traces 0, 1000, 2000 and the last one; the crossing trace lies on the baseline (y = 0).
  const auto& positions = first["positions"];
  ASSERT_EQ(positions.size(), 4u);
  EXPECT_EQ(positions[3]["trace"], 2999);
  EXPECT_NEAR(positions[0]["y"].get<double>(), 25.0, 1e-6);
  EXPECT_NEAR(positions[0]["x"].get<double>(), 5.0, 1e-4);
}

TEST(CliProjectTest, InfoListsGpsFixesAndFailsOnUnreadableProjects) {
  testing::TempDir config;
  auto result = RunCli({"info", DemoSurveyFolder() + demo::kDemoGpsProject}, config.Path().string());
  ASSERT_EQ(result.status, 0);
  const auto doc = nlohmann::json::parse(result.out);
  EXPECT_EQ(doc["project"]["version"], 2);
  const auto& track = doc["project"]["sets"][0]["profiles"][0];
  EXPECT_EQ(track["type"], "GPSProfile");
  EXPECT_GT(track["coords"].size(), 10u);
  EXPECT_NEAR(track["coords"][0]["latitude"].get<double>(), demo::kDemoGpsLatitude, 1e-4);

  testing::TempDir empty;
  EXPECT_EQ(RunCli({"info", empty.File("none.tvx")}, config.Path().string()).status, 1);
}

TEST(CliGeodesyTest, UtmAndBackAgree) {
  testing::TempDir config;
  const struct {
    std::vector<std::string> words;
    std::string zone;
  } cases[] = {{{"utm", "55.7035", "13.1910"}, "33U"},
               {{"utm", "60", "5"}, "32V"},  // the Norway exception
               {{"utm", "60", "5", "--regular"}, "31V"},
               {{"utm", "-33.5", "-70.6"}, "19H"}};
  for (const auto& c : cases) {
    auto forward = RunCli(c.words, config.Path().string());
    ASSERT_EQ(forward.status, 0);
    const auto utm = nlohmann::json::parse(forward.out);
    EXPECT_EQ(utm["zone"], c.zone);
    auto back =
        RunCli({"latlon", c.zone, utm["northing"].dump(), utm["easting"].dump()}, config.Path().string());
    ASSERT_EQ(back.status, 0);
    const auto geo = nlohmann::json::parse(back.out);
    EXPECT_NEAR(geo["latitude"].get<double>(), std::stod(c.words[1]), 1e-7);
    EXPECT_NEAR(geo["longitude"].get<double>(), std::stod(c.words[2]), 1e-7);
  }
  EXPECT_EQ(RunCli({"utm", "95", "0"}, config.Path().string()).status, 2);
  EXPECT_EQ(RunCli({"latlon", "33U", "north", "1"}, config.Path().string()).status, 2);
}

}  // namespace
}  // namespace tarvix
