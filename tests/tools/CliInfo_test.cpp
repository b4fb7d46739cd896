#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "CliRunner.h"
#include "support/SurveyBuilder.h"
#include "support/TempDir.h"

namespace tarvix {
namespace {

using testing::RunCli;

struct CliFixture {
  testing::TempDir dir;
  testing::TempDir config;
  testing::SurveyBuilder survey{dir.Path().string()};
};

TEST(CliInfoTest, PrintsTheProfileAsJson) {
  CliFixture f;
  const auto base = f.survey.Profile("line", 4, 3, false);
  f.survey.Markers("line", "HEADER VERSION:100\r\n2\t1\t5\tpipe at 1.2 m\r\n");
  for (const std::string& path : {base, base + ".rad", base + ".rd3"}) {
    auto result = RunCli({"info", path, "--set", "ProfSize=1"}, f.config.Path().string());
    ASSERT_EQ(result.status, 0) << path;
    const auto doc = nlohmann::json::parse(result.out);
    const auto& p = doc["profile"];
    EXPECT_EQ(p["type"], "BaseLineProfile");
    EXPECT_EQ(p["dataPath"], base + ".rd3");
    EXPECT_EQ(p["is32Bit"], false);
    EXPECT_EQ(p["traces"], 3);
    EXPECT_EQ(p["header"]["samples"], 4);
    EXPECT_EQ(p["header"]["antennaFrequency"], 500.0);
    EXPECT_DOUBLE_EQ(p["header"]["frequency"].get<double>(), 10000.0);
    ASSERT_EQ(p["markers"].size(), 1u);
    EXPECT_EQ(p["markers"][0]["comment"], "pipe at 1.2 m");
    EXPECT_EQ(p["markers"][0]["type"], 5);
    EXPECT_TRUE(doc["messages"].empty());
  }
  // The override was for that run only: nothing was written to the settings folder.
  EXPECT_TRUE(std::filesystem::is_empty(f.config.Path()));
}

TEST(CliInfoTest, FailedLoadReportsTheMessagesAndExitsWithOne) {
  CliFixture f;
  auto result = RunCli({"info", f.survey.BasePath("missing")}, f.config.Path().string());
  EXPECT_EQ(result.status, 1);
  const auto doc = nlohmann::json::parse(result.out);
  EXPECT_TRUE(doc["profile"].is_null());
  ASSERT_EQ(doc["messages"].size(), 1u);
  EXPECT_EQ(doc["messages"][0]["caption"], "Error");
  EXPECT_EQ(doc["messages"][0]["text"], "Cannot read header file:\n" + f.survey.BasePath("missing") + ".rad");
}

TEST(CliInfoTest, BadUsageExitsWithTwo) {
  CliFixture f;
  const std::vector<std::vector<std::string>> cases = {
      {}, {"nonsense"}, {"info"}, {"info", "a", "b"}, {"info", "a", "--set", "Bogus=1"},
      {"info", "a", "--set", "MaxProfile=many"}, {"traces", "a", "--first", "0"},
      {"traces", "a", "--first", "x", "--count", "1"}, {"traces", "a", "--first", "0", "--count", "-1"}};
  for (const auto& words : cases) EXPECT_EQ(RunCli(words, f.config.Path().string()).status, 2) << words.size();
}

TEST(CliTracesTest, PrintsTracesWithZerosOutsideTheFile) {
  CliFixture f;
  const auto base = f.survey.Profile("wide", 3, 2, true);
  auto result = RunCli({"traces", base, "--first", "-1", "--count", "4"}, f.config.Path().string());
  ASSERT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "0,0,0\n0,1,2\n100,101,102\n0,0,0\n");
}

}  // namespace
}  // namespace tarvix
