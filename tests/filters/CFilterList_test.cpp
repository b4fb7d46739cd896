#include "filters/CFilterList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "filters/FiltersFilePath.h"
#include "filters/ScopedFilterList.h"
#include "support/TempDir.h"

namespace tarvix {
namespace {

SievexDataDescription Block(int samples, int traces) {
  SievexDataDescription description{};
  description.samplesPerTrace = samples;
  description.traceCount = traces;
  description.samplingFrequency = 1000.0;
  description.antennaFrequency = 250.0;
  return description;
}

// Restores the current directory when the test ends.
class CurrentDirectory {
 public:
  explicit CurrentDirectory(const std::filesystem::path& directory)
      : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(directory);
  }
  ~CurrentDirectory() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

TEST(CFilterList, CountsTheFiltersAfterEachSuccessfulLoadOnly) {
  testing::TempDir folder;
  const std::string three = folder.File("three.dat");
  const std::string none = folder.File("none.dat");
  const std::string damaged = folder.File("damaged.dat");
  testing::WriteFileBytes(three, "SIEVEX32 FILTERS 1\r\ndewow on\r\nbandpass off\r\nagc on\r\n");
  testing::WriteFileBytes(none, "SIEVEX32 FILTERS 1\r\n");
  testing::WriteFileBytes(damaged, "SIEVEX32 FILTERS 1\r\ndewow on window=NaN\r\n");

  ScopedFilterList scope;
  CFilterList& list = scope.List();
  EXPECT_NE(list.handle, nullptr);
  EXPECT_EQ(list.filterCount, 0);
  struct Step {
    std::string path;
    bool loads;
    int filterCount;
  };
  const Step steps[] = {
      {three, true, 3},
      {damaged, false, 3},
      {folder.File("missing.dat"), false, 3},
      {none, true, 0},
  };
  for (const Step& step : steps) {
    EXPECT_EQ(list.Load(step.path) != 0, step.loads) << step.path;
    EXPECT_EQ(list.filterCount, step.filterCount) << step.path;
    EXPECT_EQ(list.GetSize(), step.filterCount) << step.path;
  }
}

TEST(CFilterList, SavesWhatItLoaded) {
  testing::TempDir folder;
  const std::string text = "SIEVEX32 FILTERS 1\r\nbackground on traces=25\r\nenvelope off\r\n";
  testing::WriteFileBytes(folder.File("in.dat"), text);
  CFilterList list;
  ASSERT_NE(list.Load(folder.File("in.dat")), 0);
  list.Save(folder.File("out.dat"));
  EXPECT_EQ(testing::ReadFileBytes(folder.File("out.dat")), text);
}

TEST(CFilterList, ApplyFiltersOrCopiesTheBlock) {
  testing::TempDir folder;
  testing::WriteFileBytes(folder.File("mean.dat"), "SIEVEX32 FILTERS 1\r\ndcremoval on\r\n");
  const std::vector<std::int16_t> source16 = {1, 2, 6, 40, 40, 40};
  const std::vector<std::int32_t> source32 = {-7, 7, 100000, 100000, 0, 0};

  CFilterList list;
  std::vector<std::int16_t> out16(6, 99);
  std::vector<std::int32_t> out32(6, 99);
  list.Apply(source16.data(), out16.data(), Block(3, 2));
  list.Apply32(source32.data(), out32.data(), Block(2, 3));
  EXPECT_EQ(out16, source16);
  EXPECT_EQ(out32, source32);

  ASSERT_NE(list.Load(folder.File("mean.dat")), 0);
  list.Apply(source16.data(), out16.data(), Block(3, 2));
  list.Apply32(source32.data(), out32.data(), Block(2, 3));
  EXPECT_EQ(out16, (std::vector<std::int16_t>{-2, -1, 3, 0, 0, 0}));
  EXPECT_EQ(out32, (std::vector<std::int32_t>{-7, 7, 0, 0, 0, 0}));

  // Without a library handle the traces still arrive, unfiltered.
  FilterListDestroy(list.handle);
  list.handle = nullptr;
  std::fill(out16.begin(), out16.end(), 99);
  list.Apply(source16.data(), out16.data(), Block(3, 2));
  EXPECT_EQ(out16, source16);
}

TEST(CFilterList, EditWithoutAWindowingSystemKeepsTheList) {
  testing::TempDir folder;
  testing::WriteFileBytes(folder.File("one.dat"), "SIEVEX32 FILTERS 1\r\nagc on\r\n");
  CFilterList list;
  ASSERT_NE(list.Load(folder.File("one.dat")), 0);
  const std::vector<std::int16_t> traces16(64 * 4, 3);
  const std::vector<std::int32_t> traces32(64 * 4, 3);
  EXPECT_EQ(list.Edit(traces16.data(), Block(64, 4)), 0);
  EXPECT_EQ(list.Edit32(traces32.data(), Block(64, 4)), 0);
  EXPECT_EQ(list.filterCount, 1);
}

TEST(FilterList, AScopedListStandsInForTheProgramsListAndRestoresIt) {
  CFilterList& program = FilterList();
  EXPECT_EQ(&FilterList(), &program);
  {
    ScopedFilterList outer;
    EXPECT_EQ(&FilterList(), &outer.List());
    {
      ScopedFilterList inner;
      EXPECT_EQ(&FilterList(), &inner.List());
      EXPECT_NE(inner.List().handle, outer.List().handle);
    }
    EXPECT_EQ(&FilterList(), &outer.List());
  }
  EXPECT_EQ(&FilterList(), &program);
}

TEST(FiltersFilePath, IsTheFileInTheCurrentDirectoryHoweverLongItsPath) {
  testing::TempDir folder;
  // Past 255 characters a shortened directory would name another folder, or none.
  const std::filesystem::path deep =
      folder.Path() / std::string(120, 'a') / std::string(120, 'b') / "survey 2026";
  std::filesystem::create_directories(deep);
  for (const std::filesystem::path& directory : {folder.Path(), deep}) {
    CurrentDirectory here(directory);
    const std::string path = FiltersFilePath();
    EXPECT_EQ(std::filesystem::path(path), std::filesystem::current_path() / "filters.dat");
    EXPECT_GT(path.size(), directory == deep ? 255u : 0u);
  }
}

}  // namespace
}  // namespace tarvix
