#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <filesystem>

#include "CliRunner.h"
#include "DemoSurvey.h"
#include "support/TempDir.h"

namespace tarvix {
namespace {

using testing::RunCli;

// The shared demo survey, and folders of the test's own for its pictures and settings.
struct DemoFixture {
  std::string Project() const { return folder + demo::kDemoBaselineProject; }
  std::string Out(const std::string& name) const { return dir.File(name); }

  testing::TempDir dir;
  testing::TempDir config;
  const std::string& folder = testing::DemoSurveyFolder();
};

int CountColour(const QImage& image, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF) ? 1 : 0;
  return count;
}

TEST(CliMapTest, DrawsTheDemoSiteMapsWithTheirScales) {
  DemoFixture f;
  struct Case {
    const char* project;
    std::vector<std::string> options;
    int width, height;
    bool scales;
    bool baselines;
  };
  const Case cases[] = {
      {demo::kDemoBaselineProject, {}, 1200, 900, true, true},
      {demo::kDemoBaselineProject, {"--width", "640", "--height", "480", "--grid"}, 640, 480, true, true},
      {demo::kDemoBaselineProject, {"--no-scales", "--set", "Orientation=0"}, 1200, 900, false, true},
      {demo::kDemoGpsProject, {"--utm", "--width", "800", "--height", "600"}, 800, 600, true, false}};
  for (const auto& c : cases) {
    std::vector<std::string> words = {"map",   f.folder + c.project, "--out", f.Out("map.png"),
                                      "--set", "ProfSize=1"};
    words.insert(words.end(), c.options.begin(), c.options.end());
    ASSERT_EQ(RunCli(words, f.config.Path().string()).status, 0) << c.project;
    const QImage image(QString::fromStdString(f.Out("map.png")));
    ASSERT_EQ(image.size(), QSize(c.width, c.height));
    EXPECT_EQ(image.pixel(2, 2) & 0xFFFFFF, 0xFFFFFFu);
    // The baseline of the set not shown is orange (no marker has that colour); the first
    // displayed profile is brown.
    EXPECT_EQ(CountColour(image, qRgb(247, 109, 9)) > 50, c.baselines) << c.project;
    EXPECT_GT(CountColour(image, qRgb(192, 96, 64)), 50) << c.project;
    // The scales' frame runs 45 pixels in from the left edge (where the grid starts, its dots).
    int frame = 0;
    for (int y = 100; y < c.height - 100; ++y) frame += (image.pixel(45, y) & 0xFFFFFF) != 0xFFFFFF ? 1 : 0;
    EXPECT_EQ(frame == c.height - 200, c.scales);
    std::filesystem::remove(f.Out("map.png"));
  }
}

TEST(CliMapTest, FailuresAndBadUsage) {
  DemoFixture f;
  const std::string config = f.config.Path().string();
  EXPECT_EQ(RunCli({"map", f.folder + "missing.tvx", "--out", f.Out("a.png")}, config).status, 1);
  EXPECT_FALSE(std::filesystem::exists(f.Out("a.png")));
  EXPECT_EQ(RunCli({"map", f.Project(), "--out", f.folder + "no/such/folder/a.png"}, config).status, 1);
  const std::vector<std::vector<std::string>> usage = {
      {"map", f.Project()},
      {"map", "--out", f.Out("a.png")},
      {"map", f.Project(), "--out", f.Out("a.png"), "--width", "0"},
      {"map", f.Project(), "--out", f.Out("a.png"), "--height", "tall"},
      {"map", f.Project(), "--out", f.Out("a.png"), "--bogus"}};
  for (const auto& words : usage) EXPECT_EQ(RunCli(words, config).status, 2) << words.back();
}

}  // namespace
}  // namespace tarvix
