#include "model/KTarvixProject.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "model/KBaseLineProfile.h"
#include "support/FailingDisk.h"
#include "support/SurveyBuilder.h"
#include "support/TempDir.h"
#include "support/TestApp.h"

namespace tarvix {
namespace {

using testing::ReadFileBytes;
using testing::SurveyBuilder;
using testing::TempDir;
using testing::TestApp;
using testing::WriteFileBytes;

struct Fixture {
  TestApp app;
  TempDir dir;
  SurveyBuilder survey{dir.Path().string()};
  std::string folder = dir.Path().string() + "/";

  Fixture() {
    for (const char* name : {"a1", "a2", "b1", "b2", "b3"}) survey.Profile(name, 4, 6, true);
  }
};

const KBaseLineProfile& Baseline(const KTarvixProject& project, std::size_t set, std::size_t profile) {
  return static_cast<const KBaseLineProfile&>(*project.sets.at(set)->profiles.at(profile));
}

std::string TwoBaselines(const char* startYKey) {
  return std::string("VERSION:1\r\nNUMBER_OF_BASELINES:2\r\n") +
         "BASELINE:1\r\nSTART_X:1.000        \r\n" + startYKey + "2.000        \r\nSTOP_X:11.000       \r\n"
         "STOP_Y:2.000        \r\nNUMBER_OF_PROFILES:2\r\n"
         "a2\r\nX_LENGTH:3.000        \r\nX_ANGLE:90.000       \r\nX_DIST2BASE:7.000        \r\n"
         "a1\r\nX_LENGTH:1.500\r\nX_ANGLE:270\r\nX_DIST2BASE:2.5\r\n"
         "BASELINE:2\r\nSTART_X:0\r\nSTART_Y:0\r\nSTOP_X:0\r\nSTOP_Y:20\r\nNUMBER_OF_PROFILES:3\r\n"
         "b1\r\nX_LENGTH:0\r\nX_ANGLE:90\r\nX_DIST2BASE:1\r\n"
         "b2\r\nX_LENGTH:0\r\nX_ANGLE:90\r\nX_DIST2BASE:2\r\n"
         "b3\r\nX_LENGTH:0\r\nX_ANGLE:90\r\nX_DIST2BASE:3\r\n";
}

TEST(KTarvixProjectTest, ReadsBaselineProjectsWithEitherStartYKey) {
  for (const char* key : {"START_Y ", "START_Y:"}) {
    Fixture f;
    WriteFileBytes(f.folder + "site.tvx", TwoBaselines(key));
    KTarvixProject project;
    ASSERT_TRUE(project.Read(f.folder + "site.tvx")) << key;
    EXPECT_EQ(project.basePath, f.folder + "site");
    EXPECT_EQ(project.version, 1);
    ASSERT_EQ(project.sets.size(), 2u);
    ASSERT_EQ(project.sets[0]->profiles.size(), 2u);
    const auto& first = Baseline(project, 0, 0);  // sorted by distance along the baseline
    EXPECT_EQ(first.GetDataPath(), f.folder + "a1.rd7");
    EXPECT_EQ(first.xDist2Base, 2.5);
    EXPECT_EQ(first.xAngle, 270);
    EXPECT_EQ(first.xLength, 1.5);
    EXPECT_EQ(first.baselineStart, (point3D{1, 2, 0}));
    EXPECT_EQ(first.baselineStop, (point3D{11, 2, 0}));
    EXPECT_EQ(project.sets[1]->profiles.size(), 3u);
    EXPECT_EQ(Baseline(project, 1, 2).baselineStop, (point3D{0, 20, 0}));
    EXPECT_TRUE(f.app.ui.messages.empty());
  }
}

TEST(KTarvixProjectTest, WriteThenReadGivesTheSameProject) {
  Fixture f;
  WriteFileBytes(f.folder + "site.tvx", TwoBaselines("START_Y:"));
  KTarvixProject project;
  ASSERT_TRUE(project.Read(f.folder + "site.tvx"));
  project.sets[0]->profiles[0]->markers.items.push_back(KMarker{});
  static_cast<KBaseLineProfile&>(*project.sets[1]->profiles[0]).xDist2Base = 0.3456;
  ASSERT_TRUE(project.Write());

  const std::string text = ReadFileBytes(f.folder + "site.tvx");
  EXPECT_EQ(text.substr(0, 33), "VERSION:1\r\nNUMBER_OF_BASELINES:2\r");
  EXPECT_NE(text.find("\r\nSTART_Y 2.000        \r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nX_DIST2BASE:0.346        \r\n"), std::string::npos);
  EXPECT_EQ(ReadFileBytes(f.folder + "a1.mrk"), "HEADER VERSION:100\r\n0\t0\t0\t\r\n");

  KTarvixProject back;
  ASSERT_TRUE(back.Read(f.folder + "site.tvx"));
  ASSERT_EQ(back.sets.size(), 2u);
  EXPECT_EQ(back.sets[0]->profiles[0]->markers.items.size(), 1u);
  EXPECT_DOUBLE_EQ(Baseline(back, 1, 0).xDist2Base, 0.346);
  EXPECT_EQ(Baseline(back, 0, 1).GetDataPath(), f.folder + "a2.rd7");
}

TEST(KTarvixProjectTest, MissingBaselineProfileStopsReadingWithWhatWasRead) {
  Fixture f;
  std::filesystem::remove(f.folder + "b3.rd7");
  WriteFileBytes(f.folder + "site.tvx", TwoBaselines("START_Y "));
  KTarvixProject project;
  EXPECT_TRUE(project.Read(f.folder + "site.tvx"));
  ASSERT_EQ(project.sets.size(), 2u);
  EXPECT_EQ(project.sets[0]->profiles.size(), 2u);
  EXPECT_EQ(project.sets[1]->profiles.size(), 2u);
  EXPECT_EQ(f.app.ui.MessageTexts(), (std::vector<std::string>{"Cannot read data file:\n" + f.folder + "b3.rd7",
                                                               "Tarvix cannot open datafile " + f.folder + "b3.rd7"}));
  EXPECT_EQ(f.app.ui.messages[1].caption, "Error");
}

TEST(KTarvixProjectTest, UnknownVersionsUnopenableFilesAndJunk) {
  Fixture f;
  KTarvixProject project;
  EXPECT_FALSE(project.Read(f.folder + "none.tvx"));
  WriteFileBytes(f.folder + "v3.tvx", "VERSION:3\r\nNUMBER_OF_BASELINES:1\r\n");
  EXPECT_FALSE(project.Read(f.folder + "v3.tvx"));
  EXPECT_TRUE(project.sets.empty());
  // Absurd counts and junk end at the end of the file, without hanging or exhausting memory.
  WriteFileBytes(f.folder + "junk.tvx", "VERSION:1\r\nNUMBER_OF_BASELINES:2000000000\r\nBASELINE:1\r\nxx\r\n");
  EXPECT_TRUE(project.Read(f.folder + "junk.tvx"));
  EXPECT_LE(project.sets.size(), 1u);
  WriteFileBytes(f.folder + "long.tvx", "VERSION:1\r\nNUMBER_OF_BASELINES:1\r\nBASELINE:1" + std::string(100000, 'z'));
  EXPECT_TRUE(project.Read(f.folder + "long.tvx"));
}

TEST(KTarvixProjectTest, EmptySetsKeepTheirPlaceAndLongNamesSurvive) {
  Fixture f;
  const std::string longName(80, 'n');
  f.survey.Profile(longName, 4, 3, true);
  KTarvixProject project;
  project.basePath = f.folder + "made";
  project.sets.push_back(std::make_unique<KRadarProfileSet>());
  project.sets.push_back(std::make_unique<KRadarProfileSet>());
  ASSERT_TRUE(project.sets[1]->AddBaseLineProfile(f.folder + longName, {0, 0, 0}, {5, 5, 0}, 1, 90, 2));
  ASSERT_TRUE(project.Write());

  KTarvixProject back;
  ASSERT_TRUE(back.Read(f.folder + "made.tvx"));
  ASSERT_EQ(back.sets.size(), 2u);
  EXPECT_TRUE(back.sets[0]->profiles.empty());
  ASSERT_EQ(back.sets[1]->profiles.size(), 1u);
  EXPECT_EQ(back.sets[1]->profiles[0]->GetDataPath(), f.folder + longName + ".rd7");
}

TEST(KTarvixProjectTest, WriteToKeepsTheProjectPathAndFailedSavesKeepTheOldFile) {
  Fixture f;
  WriteFileBytes(f.folder + "site.tvx", TwoBaselines("START_Y:"));
  KTarvixProject project;
  ASSERT_TRUE(project.Read(f.folder + "site.tvx"));
  ASSERT_TRUE(project.WriteTo(f.folder + "copy"));
  EXPECT_EQ(project.GetBasePath(), f.folder + "site");
  EXPECT_TRUE(std::filesystem::exists(f.folder + "copy.tvx"));

  const std::string before = ReadFileBytes(f.folder + "site.tvx");
  const std::string markersBefore = ReadFileBytes(f.folder + "a1.mrk");
  project.sets[0]->profiles[0]->markers.items.push_back(KMarker{});
  bool written = true;
  testing::WithFullDisk(8, [&] { written = project.Write(); });
  EXPECT_FALSE(written);
  EXPECT_EQ(ReadFileBytes(f.folder + "site.tvx"), before);
  EXPECT_EQ(ReadFileBytes(f.folder + "a1.mrk"), markersBefore);

  chmod(f.dir.Path().c_str(), 0555);
  EXPECT_FALSE(testing::InReadOnlyProcess([&] { return project.Write(); }));
  chmod(f.dir.Path().c_str(), 0755);
  EXPECT_EQ(ReadFileBytes(f.folder + "site.tvx"), before);
}

TEST(KTarvixProjectTest, MergeCopiesProfilesFromOtherFoldersAndRefusesOtherVersions) {
  Fixture f;
  TempDir otherDir;
  SurveyBuilder other(otherDir.Path().string());
  other.Profile("far", 4, 6, true);
  other.Markers("far", "HEADER VERSION:100\r\n1\t1\t1\tkept\r\n");
  WriteFileBytes(otherDir.File("o.tvx"),
                 "VERSION:1\r\nNUMBER_OF_BASELINES:1\r\nBASELINE:1\r\nSTART_X:0\r\nSTART_Y:0\r\nSTOP_X:3\r\n"
                 "STOP_Y:4\r\nNUMBER_OF_PROFILES:1\r\nfar\r\nX_LENGTH:1\r\nX_ANGLE:90\r\nX_DIST2BASE:2\r\n");
  WriteFileBytes(f.folder + "site.tvx", TwoBaselines("START_Y:"));

  KTarvixProject project;
  ASSERT_TRUE(project.Read(f.folder + "site.tvx"));
  KTarvixProject incoming;
  ASSERT_TRUE(incoming.Read(otherDir.File("o.tvx")));
  project.Merge(incoming);
  ASSERT_EQ(project.sets.size(), 3u);
  ASSERT_EQ(project.sets[2]->profiles.size(), 1u);
  EXPECT_EQ(project.sets[2]->profiles[0]->GetDataPath(), f.folder + "far.rd7");
  EXPECT_EQ(project.sets[2]->profiles[0]->markers.items.size(), 1u);
  EXPECT_EQ(Baseline(project, 2, 0).baselineStop, (point3D{3, 4, 0}));

  // From the same folder nothing is copied and the same data files are loaded a second time.
  KTarvixProject same;
  ASSERT_TRUE(same.Read(f.folder + "site.tvx"));
  project.Merge(same);
  EXPECT_EQ(project.sets.size(), 5u);
  EXPECT_EQ(project.sets[4]->profiles.size(), 3u);

  KTarvixProject gps;
  gps.version = 2;
  project.Merge(gps);
  EXPECT_EQ(project.sets.size(), 5u);
  ASSERT_FALSE(f.app.ui.messages.empty());
  EXPECT_EQ(f.app.ui.messages.back().text, "It is not possible to merge project files with different version numbers");
}

}  // namespace
}  // namespace tarvix
