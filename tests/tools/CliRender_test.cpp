#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <algorithm>
#include <sstream>

#include "CliRunner.h"
#include "DemoSurvey.h"
#include "support/SurveyBuilder.h"
#include "support/TempDir.h"

namespace tarvix {
namespace {

using testing::DemoSurveyFolder;
using testing::RunCli;

// Where the profiles of a demo baseline cross it, in display columns: the furthest crossing
// trace, counted from the end for the profiles drawn reversed (those at angles up to 180°).
int DemoCrossingColumn(int baseline) {
  int crossing = 0;
  double interval = 0;
  for (const auto& placement : demo::DemoBaselinePlacements()) {
    if (placement.baseline != baseline) continue;
    for (const auto& profile : demo::DemoProfiles()) {
      if (profile.name != placement.profile) continue;
      if (interval == 0) interval = profile.model.traceInterval;
      int column = static_cast<int>(placement.xLength / interval);
      if (placement.xAngle <= 180) column = profile.model.traces - column;
      crossing = std::max(crossing, column);
    }
  }
  return crossing;
}

bool IsRed(QRgb pixel) { return qRed(pixel) == 255 && qGreen(pixel) == 0 && qBlue(pixel) == 0; }
bool IsWhite(QRgb pixel) { return (pixel & 0xFFFFFF) == 0xFFFFFF; }

// The columns of the image whose pixels are red over the whole height given.
std::vector<int> RedColumns(const QImage& image, int top, int bottom) {
  std::vector<int> columns;
  for (int x = 0; x < image.width(); ++x) {
    bool red = true;
    for (int y = top; y < bottom && red; ++y) red = IsRed(image.pixel(x, y));
    if (red) columns.push_back(x);
  }
  return columns;
}

struct RenderFixture {
  testing::TempDir out;
  testing::TempDir config;
  QImage Render(std::vector<std::string> words, int expectedStatus = 0) {
    const std::string png = out.File("view.png");
    words.insert(words.begin(), {"render"});
    words.insert(words.end(), {"--out", png});
    const auto result = RunCli(words, config.Path().string());
    EXPECT_EQ(result.status, expectedStatus);
    return result.status == 0 ? QImage(QString::fromStdString(png)) : QImage();
  }
};

TEST(CliRenderTest, PaintsTheDemoProjectWithItsCrossingLine) {
  RenderFixture f;
  const QImage whole = f.Render({DemoSurveyFolder() + demo::kDemoBaselineProject});
  ASSERT_FALSE(whole.isNull());
  EXPECT_EQ(whole.size(), QSize(1600, 1000));

  const int crossing = DemoCrossingColumn(0);
  const int firstColumn = crossing - 500;
  const QImage image = f.Render({DemoSurveyFolder() + demo::kDemoBaselineProject, "--width", "1200",
                                 "--height", "800", "--first-column", std::to_string(firstColumn)});
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(1200, 800));
  // The radargram fills its rectangle with greys; the margins stay white.
  int grey = 0;
  for (int y = 50; y < 750; y += 10)
    for (int x = 50; x < 1130; x += 10) {
      const QRgb p = image.pixel(x, y);
      if (qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) && !IsWhite(p)) ++grey;
    }
  EXPECT_GT(grey, 6000);
  EXPECT_TRUE(IsWhite(image.pixel(1190, 790)));
  // A 2-pixel red line at the crossing, 50 pixels in from the left, over the whole image height.
  const auto red = RedColumns(image, 60, 740);
  ASSERT_FALSE(red.empty());
  EXPECT_LE(red.front(), 50 + 500);
  EXPECT_GE(red.back(), 50 + 500);
  EXPECT_LE(red.back() - red.front(), 2);
}

TEST(CliRenderTest, ChoosesTheSetAndRendersSingleProfiles) {
  RenderFixture f;
  const QImage first =
      f.Render({DemoSurveyFolder() + demo::kDemoBaselineProject, "--width", "800", "--height", "600"});
  const QImage second = f.Render(
      {DemoSurveyFolder() + demo::kDemoBaselineProject, "--set", "1", "--width", "800", "--height", "600"});
  ASSERT_FALSE(first.isNull());
  ASSERT_FALSE(second.isNull());
  EXPECT_NE(first, second);
  f.Render({DemoSurveyFolder() + demo::kDemoBaselineProject, "--set", "2"}, 1);

  for (const std::string& profile :
       {DemoSurveyFolder() + "line04", DemoSurveyFolder() + "line04.rd3", DemoSurveyFolder() + "track01"}) {
    const QImage image = f.Render({profile, "--width", "700", "--height", "400"});
    ASSERT_FALSE(image.isNull()) << profile;
    EXPECT_FALSE(IsWhite(image.pixel(100, 100))) << profile;
  }
}

TEST(CliRenderTest, MigrationAndFiltersChangeThePicture) {
  RenderFixture f;
  const std::vector<std::string> view = {DemoSurveyFolder() + "line01",
                                         "--width",
                                         "900",
                                         "--height",
                                         "700",
                                         "--set",
                                         "ZeroLevel=" + std::to_string(demo::kDemoZeroLevel)};
  const QImage plain = f.Render(view);
  auto migrated = view;
  migrated.push_back("--migrate");
  auto filtered = view;
  const std::string filters = f.out.File("filters.dat");
  testing::WriteFileBytes(filters, "SIEVEX32 FILTERS 1\r\nbackground on traces=all\r\n");
  filtered.insert(filtered.end(), {"--filters", filters});
  ASSERT_FALSE(plain.isNull());
  EXPECT_NE(f.Render(migrated), plain);
  EXPECT_NE(f.Render(filtered), plain);
  auto missing = view;
  missing.insert(missing.end(), {"--filters", f.out.File("none.dat")});
  f.Render(missing, 1);
}

TEST(CliRenderTest, BadArgumentsAreUsageErrors) {
  RenderFixture f;
  const std::string project = DemoSurveyFolder() + demo::kDemoBaselineProject;
  const std::vector<std::vector<std::string>> cases = {
      {"render", project},                       // no --out
      {"render", "--out", f.out.File("x.png")},  // no PATH
      {"render", project, "--out", f.out.File("x.png"), "--width", "0"},
      {"render", project, "--out", f.out.File("x.png"), "--set", "-1"},
      {"render", project, "--out", f.out.File("x.png"), "--first-sample", "many"},
      {"info", project, "--set", "1"},  // a set number means nothing to info
  };
  for (const auto& words : cases)
    EXPECT_EQ(RunCli(words, f.config.Path().string()).status, 2) << words.back();
  EXPECT_EQ(RunCli({"render", f.out.File("none.tvx"), "--out", f.out.File("x.png")}, f.config.Path().string())
                .status,
            1);
}

std::vector<std::vector<int>> ParseTraces(const std::string& text) {
  std::vector<std::vector<int>> traces;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::vector<int> samples;
    std::istringstream values(line);
    for (std::string value; std::getline(values, value, ',');) samples.push_back(std::stoi(value));
    traces.push_back(samples);
  }
  return traces;
}

TEST(CliTracesTest, FiltersAndMigratesTheTracesRead) {
  testing::TempDir dir;
  testing::TempDir config;
  testing::SurveyBuilder survey(dir.Path().string());
  const auto base = survey.Profile("line", 64, 40, false);
  const std::vector<std::string> read = {"traces", base,    "--first",    "0",     "--count",
                                         "40",     "--set", "ProfSize=1", "--set", "ZeroLevel=10"};
  const auto plain = ParseTraces(RunCli(read, config.Path().string()).out);
  ASSERT_EQ(plain.size(), 40u);

  // Each trace's mean removed: t × 100 + s becomes s − 31.5, rounded.
  const std::string filters = dir.File("filters.dat");
  testing::WriteFileBytes(filters, "SIEVEX32 FILTERS 1\r\ndcremoval on\r\n");
  auto filteredWords = read;
  filteredWords.insert(filteredWords.end(), {"--filters", filters});
  const auto filtered = ParseTraces(RunCli(filteredWords, config.Path().string()).out);
  ASSERT_EQ(filtered.size(), 40u);
  for (int t : {0, 7, 39}) {
    EXPECT_NEAR(filtered[t][0], -31.5, 0.5) << t;
    EXPECT_NEAR(filtered[t][63], 31.5, 0.5) << t;
  }

  // Migrated as one block: the rows above the first arrival stay, the block fills the range.
  auto migratedWords = read;
  migratedWords.push_back("--migrate");
  const auto migrated = ParseTraces(RunCli(migratedWords, config.Path().string()).out);
  ASSERT_EQ(migrated.size(), 40u);
  int largest = 0;
  for (std::size_t t = 0; t < migrated.size(); ++t) {
    for (int s = 0; s < 10; ++s) ASSERT_EQ(migrated[t][s], plain[t][s]);
    for (int s = 10; s < 64; ++s) largest = std::max(largest, std::abs(migrated[t][s]));
  }
  EXPECT_EQ(largest, 32767);
  EXPECT_NE(migrated, plain);

  auto missing = read;
  missing.insert(missing.end(), {"--filters", dir.File("none.dat")});
  EXPECT_EQ(RunCli(missing, config.Path().string()).status, 1);
}

}  // namespace
}  // namespace tarvix
