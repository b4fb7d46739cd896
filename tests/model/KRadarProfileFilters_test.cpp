#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <vector>

#include "filters/ScopedFilterList.h"
#include "model/KBaseLineProfile.h"
#include "model/KTarvixProject.h"
#include "support/SurveyBuilder.h"
#include "support/TempDir.h"
#include "support/TestApp.h"

namespace tarvix {
namespace {

using testing::ReadFileBytes;
using testing::WriteFileBytes;

// A fresh filter list, and a current directory of the test's own, where "filters.dat" lives.
struct FilterFixture {
  testing::TestApp app;
  ScopedFilterList filters;
  testing::TempDir dir;
  testing::SurveyBuilder survey{dir.Path().string()};
  std::filesystem::path previous = std::filesystem::current_path();
  std::string datPath = dir.File("filters.dat");

  FilterFixture() { std::filesystem::current_path(dir.Path()); }
  ~FilterFixture() { std::filesystem::current_path(previous); }
};

TEST(KRadarProfileFiltersTest, FilteredReadFiltersOnlyTheTracesInsideTheFile) {
  FilterFixture f;
  f.app.context.is32BitData = false;
  WriteFileBytes(f.datPath, "SIEVEX32 FILTERS 1\r\ndcremoval on\r\n");
  ASSERT_NE(f.filters.List().Load(f.datPath), 0);
  KBaseLineProfile profile;
  ASSERT_TRUE(profile.Load(f.survey.Profile("p", 8, 4)));

  std::vector<std::int16_t> buffer(8 * 7, -5);
  profile.ReadTraces16(buffer.data(), -2, 7, true);
  for (int k = 0; k < 7; ++k) {
    const auto begin = buffer.begin() + k * 8;
    const int sum = std::accumulate(begin, begin + 8, 0);
    if (k < 2 || k >= 6) {
      EXPECT_TRUE(std::all_of(begin, begin + 8, [](std::int16_t v) { return v == 0; })) << k;
    } else {
      EXPECT_LE(std::abs(sum), 4) << "trace " << k - 2 << " keeps its mean";
      EXPECT_NE(*begin, 0);
    }
  }
}

TEST(KRadarProfileFiltersTest, FilterFileIsWrittenOnlyWhenTheListHasFilters) {
  FilterFixture f;
  f.survey.Profile("p", 8, 4, true);
  KTarvixProject project;
  project.basePath = f.dir.File("site");
  project.sets.push_back(std::make_unique<KRadarProfileSet>());
  ASSERT_TRUE(project.sets[0]->AddBaseLineProfile(f.survey.BasePath("p"), {}, {10, 0, 0}, 0, 90, 1));

  ASSERT_TRUE(project.Write());
  EXPECT_FALSE(std::filesystem::exists(f.datPath));

  const std::string chain = "SIEVEX32 FILTERS 1\r\ndewow on window=auto\r\n";
  WriteFileBytes(f.dir.File("chain.dat"), chain);
  ASSERT_NE(f.filters.List().Load(f.dir.File("chain.dat")), 0);
  ASSERT_TRUE(project.Write());
  ASSERT_TRUE(std::filesystem::exists(f.datPath));

  // Reading a project takes the chain from the current directory, unless its first set is empty.
  WriteFileBytes(f.datPath, "SIEVEX32 FILTERS 1\r\ndcremoval on\r\nagc on\r\n");
  KTarvixProject back;
  ASSERT_TRUE(back.Read(f.dir.File("site.tvx")));
  EXPECT_EQ(f.filters.List().GetSize(), 2);

  WriteFileBytes(f.dir.File("empty.tvx"), "VERSION:1\r\nNUMBER_OF_BASELINES:1\r\nBASELINE:1\r\nSTART_X:0\r\n"
                                          "START_Y:0\r\nSTOP_X:1\r\nSTOP_Y:1\r\nNUMBER_OF_PROFILES:0\r\n");
  WriteFileBytes(f.datPath, "SIEVEX32 FILTERS 1\r\nenvelope on\r\n");
  KTarvixProject empty;
  ASSERT_TRUE(empty.Read(f.dir.File("empty.tvx")));
  EXPECT_EQ(f.filters.List().GetSize(), 2);
}

TEST(KRadarProfileFiltersTest, ChainEmptiedInTheEditorIsSavedEmpty) {
  FilterFixture f;
  WriteFileBytes(f.datPath, "SIEVEX32 FILTERS 1\r\nagc on\r\n");
  KTarvixProject project;
  project.basePath = f.dir.File("site");
  project.sets.push_back(std::make_unique<KRadarProfileSet>());
  ASSERT_TRUE(project.sets[0]->AddBaseLineProfile(f.survey.Profile("p", 8, 4, true), {}, {10, 0, 0}, 0, 90, 1));
  f.filters.List().edited = true;  // what accepting an emptied chain in the editor leaves
  ASSERT_TRUE(project.Write());
  ScopedFilterList fresh;
  EXPECT_NE(fresh.List().Load(f.datPath), 0);
  EXPECT_EQ(fresh.List().GetSize(), 0);
}

TEST(KRadarProfileFiltersTest, EditShowsAtMostTwoHundredTraces) {
  FilterFixture f;
  for (auto [traces, shown] : {std::pair{50, 50}, std::pair{1000, 200}}) {
    KBaseLineProfile profile;
    ASSERT_TRUE(profile.Load(f.survey.Profile("e" + std::to_string(traces), 8, traces, true)));
    EXPECT_EQ(profile.FilterEditTraceCount(), shown);
    EXPECT_EQ(profile.FilterDescription(shown).samplesPerTrace, 8);
  }
}

}  // namespace
}  // namespace tarvix
