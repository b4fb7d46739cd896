#include "model/KRadarProfile.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/KBaseLineProfile.h"
#include "support/SurveyBuilder.h"
#include "support/TempDir.h"
#include "support/TestApp.h"

namespace tarvix {
namespace {

using testing::SurveyBuilder;
using testing::TempDir;
using testing::TestApp;

struct Fixture {
  TestApp app;
  TempDir dir;
  SurveyBuilder survey{dir.Path().string()};
};

TEST(KRadarProfileTest, LoadsHeaderMarkersAndData) {
  Fixture f;
  f.app.context.is32BitData = false;
  const auto base = f.survey.Profile("line", 4, 5);
  f.survey.Markers("line", "HEADER VERSION:100\r\n2\t1\t0\tpipe\r\n");
  KBaseLineProfile profile;
  ASSERT_TRUE(profile.Load(base));
  EXPECT_EQ(profile.GetDataPath(), base + ".rd3");
  EXPECT_EQ(profile.header.lastTrace, 5);
  ASSERT_EQ(profile.markers.items.size(), 1u);
  ASSERT_NE(profile.samples16, nullptr);
  EXPECT_EQ(profile.samples32, nullptr);
  EXPECT_TRUE(f.app.ui.messages.empty());
}

TEST(KRadarProfileTest, TraceCountFromFileSize) {
  Fixture f;
  // 1000 samples per trace and a 2,000,000-byte file: 1000 traces of 16 bits, 500 of 32 bits.
  f.survey.Header("p", {"SAMPLES:1000"});
  f.survey.RawData("p", ".rd3", std::string(2000000, '\0'));
  f.survey.RawData("p", ".rd7", std::string(2000000, '\0'));
  for (bool wide : {false, true}) {
    f.app.context.is32BitData = wide;
    KBaseLineProfile profile;
    ASSERT_TRUE(profile.Load(f.survey.BasePath("p")));
    EXPECT_EQ(profile.header.lastTrace, wide ? 500 : 1000);
  }
  f.survey.Header("z", {"SAMPLES:0"});
  f.survey.RawData("z", ".rd7", std::string(64, '\0'));
  f.app.context.is32BitData = true;
  KBaseLineProfile zero;
  ASSERT_TRUE(zero.Load(f.survey.BasePath("z")));
  EXPECT_EQ(zero.header.lastTrace, 0);
}

TEST(KRadarProfileTest, HeaderClaimingMoreTracesIsLimitedToTheFile) {
  Fixture f;
  f.app.context.is32BitData = false;
  f.survey.Header("p", {"SAMPLES:4", "LAST TRACE:1000000"});
  f.survey.RawData("p", ".rd3", std::string(4 * 2 * 3 + 5, '\1'));  // three whole traces and a stub
  KBaseLineProfile profile;
  ASSERT_TRUE(profile.Load(f.survey.BasePath("p")));
  EXPECT_EQ(profile.header.lastTrace, 3);
  std::vector<std::int16_t> buffer(4 * 10, -1);
  profile.ReadTraces16(buffer.data(), 0, 10, false);
  for (std::size_t i = 12; i < buffer.size(); ++i) ASSERT_EQ(buffer[i], 0) << i;
}

TEST(KRadarProfileTest, LoadFailuresShowTheirMessages) {
  Fixture f;
  f.app.context.is32BitData = false;
  f.survey.Header("nodata", {"SAMPLES:4"});
  f.survey.Header("empty", {"SAMPLES:4"});
  f.survey.RawData("empty", ".rd3", "");
  const struct {
    std::string name;
    std::string message;
  } cases[] = {{"noheader", "Cannot read header file:\n" + f.survey.BasePath("noheader") + ".rad"},
               {"nodata", "Cannot read data file:\n" + f.survey.BasePath("nodata") + ".rd3"},
               {"empty", "Cannot read data file:\n" + f.survey.BasePath("empty") + ".rd3"}};
  for (const auto& c : cases) {
    f.app.ui.messages.clear();
    KBaseLineProfile profile;
    EXPECT_FALSE(profile.Load(f.survey.BasePath(c.name)));
    ASSERT_EQ(f.app.ui.messages.size(), 1u) << c.name;
    EXPECT_EQ(f.app.ui.messages[0].text, c.message);
    EXPECT_EQ(f.app.ui.messages[0].caption, "Error");
    EXPECT_EQ(f.app.ui.messages[0].icon, MessageIcon::Error);
  }
}

TEST(KRadarProfileTest, ReadTracesPadsWithZerosOutsideTheFile) {
  Fixture f;
  const struct {
    int first, count;
    int zerosBefore, zerosAfter;
  } cases[] = {{-3, 10, 3, 2}, {0, 5, 0, 0}, {2, 2, 0, 0}, {3, 4, 0, 2}, {-10, 5, 5, 0}, {5, 3, 3, 0},
               {-1, 7, 1, 1}};
  for (bool wide : {false, true}) {
    f.app.context.is32BitData = wide;
    KBaseLineProfile profile;
    ASSERT_TRUE(profile.Load(f.survey.Profile(wide ? "w" : "n", 4, 5, wide)));
    for (const auto& c : cases) {
      std::vector<std::int32_t> got(std::size_t(c.count) * 4, -7);
      if (wide) {
        profile.ReadTraces32(got.data(), c.first, c.count, false);
      } else {
        std::vector<std::int16_t> narrow(got.size(), -7);
        profile.ReadTraces16(narrow.data(), c.first, c.count, false);
        got.assign(narrow.begin(), narrow.end());
      }
      for (int k = 0; k < c.count; ++k) {
        const int trace = c.first + k;
        const bool inside = trace >= 0 && trace < 5;
        for (int s = 0; s < 4; ++s)
          ASSERT_EQ(got[std::size_t(k) * 4 + s], inside ? SurveyBuilder::Pattern(trace, s) : 0)
              << "first " << c.first << " count " << c.count << " trace " << trace << " wide " << wide;
      }
    }
  }
}

TEST(KRadarProfileTest, DetectDataSizeFallsBackToSixteenBits) {
  Fixture f;
  f.survey.Profile("only16", 4, 2, false);
  f.survey.Profile("both", 4, 2, false);
  f.survey.Data32("both", 4, 2);
  const struct {
    const char* name;
    int profSize;
    bool startWide;
    bool endWide;
  } cases[] = {{"only16", 0, true, false}, {"both", 0, true, true}, {"only16", 2, true, true},
               {"only16", 0, false, false}};
  for (const auto& c : cases) {
    f.app.settings().ProfSize = c.profSize;
    f.app.context.is32BitData = c.startWide;
    KBaseLineProfile profile;
    profile.DetectDataSize(f.survey.BasePath(c.name));
    EXPECT_EQ(f.app.context.is32BitData, c.endWide) << c.name << " " << c.profSize;
    EXPECT_EQ(profile.dataExt, c.endWide ? ".rd7" : ".rd3");
  }
}

}  // namespace
}  // namespace tarvix
