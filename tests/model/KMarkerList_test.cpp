#include "model/KMarkerList.h"

#include <gtest/gtest.h>

#include "support/SurveyBuilder.h"
#include "support/TempDir.h"

namespace tarvix {
namespace {

using testing::SurveyBuilder;
using testing::TempDir;

TEST(KMarkerListTest, ReadsTolerantlyAndSkipsBadLines) {
  TempDir dir;
  SurveyBuilder survey(dir.Path().string());
  const auto base = survey.Markers("p",
                                   "HEADER VERSION:100\r\n"
                                   "120\t45\t3\tvoid, 2 m\r\n"
                                   "\r\n"
                                   "7 8 2    spaced comment  \n"
                                   "1\t2\t0\r\n"
                                   "3\t4\t-1\tnegative type\r\n"
                                   "x\t4\t1\tword\r\n"
                                   "5\t6\t65537\twrapped type\r\n"
                                   "9\t9\t1\t" + std::string(5000, 'c') + "\r\n"
                                   "10\t11\t4\tafter long\r\n");
  KMarkerList list;
  ASSERT_TRUE(list.Read(base));
  EXPECT_EQ(list.markerPath, base + ".mrk");
  ASSERT_EQ(list.items.size(), 6u);
  const struct {
    int trace, sample, type;
    const char* comment;
  } expected[] = {{120, 45, 3, "void, 2 m"}, {7, 8, 2, "spaced comment  "}, {1, 2, 0, ""},
                  {5, 6, 1, "wrapped type"}, {9, 9, 1, nullptr}, {10, 11, 4, "after long"}};
  for (std::size_t i = 0; i < list.items.size(); ++i) {
    const auto& m = list.items[i];
    EXPECT_EQ(m.trace, expected[i].trace) << i;
    EXPECT_EQ(m.sample, expected[i].sample) << i;
    EXPECT_EQ(m.type, expected[i].type) << i;
    EXPECT_EQ(m.visible, 1);
    if (expected[i].comment) {
      EXPECT_EQ(m.comment, expected[i].comment) << i;
    }
  }
}

TEST(KMarkerListTest, VersionsAndMissingFiles) {
  TempDir dir;
  SurveyBuilder survey(dir.Path().string());
  const struct {
    const char* text;
    bool ok;
    std::size_t count;
  } cases[] = {{"HEADER VERSION:101\r\n1\t2\t3\tx\r\n", true, 1},
               {"HEADER VERSION:99\r\n1\t2\t3\tx\r\n", false, 0},
               {"", false, 0},
               {"garbage", false, 0}};
  for (const auto& c : cases) {
    const auto base = survey.Markers("v", c.text);
    KMarkerList list;
    EXPECT_EQ(list.Read(base), c.ok) << c.text;
    EXPECT_EQ(list.items.size(), c.count) << c.text;
  }
  KMarkerList missing;
  EXPECT_FALSE(missing.Read(survey.BasePath("none")));
  EXPECT_EQ(missing.markerPath, survey.BasePath("none") + ".mrk");
}

TEST(KMarkerListTest, ReadAppendsAndWriteRoundTripsWithHiddenMarkersVisible) {
  TempDir dir;
  SurveyBuilder survey(dir.Path().string());
  const auto base = survey.Markers("p", "HEADER VERSION:100\r\n1\t2\t3\tfirst\r\n");
  KMarkerList list;
  ASSERT_TRUE(list.Read(base));
  ASSERT_TRUE(list.Read(base));
  EXPECT_EQ(list.items.size(), 2u);

  list.items[1].visible = 0;
  list.items[1].comment = "";
  KMarker added;
  added.trace = 40;
  list.SetAtGrow(3, added);
  ASSERT_EQ(list.items.size(), 4u);
  ASSERT_TRUE(list.Write());
  EXPECT_EQ(testing::ReadFileBytes(base + ".mrk"),
            "HEADER VERSION:100\r\n1\t2\t3\tfirst\r\n1\t2\t3\t\r\n0\t0\t0\t\r\n40\t0\t0\t\r\n");

  KMarkerList back;
  ASSERT_TRUE(back.Read(base));
  ASSERT_EQ(back.items.size(), 4u);
  EXPECT_EQ(back.items[1].visible, 1);
}

TEST(KMarkerListTest, EmptyListWritesTheVersionLine) {
  TempDir dir;
  KMarkerList list;
  list.markerPath = dir.File("e.mrk");
  ASSERT_TRUE(list.Write());
  EXPECT_EQ(testing::ReadFileBytes(list.markerPath), "HEADER VERSION:100\r\n");
}

}  // namespace
}  // namespace tarvix
