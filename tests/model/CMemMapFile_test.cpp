#include "model/CMemMapFile.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "model/KBaseLineProfile.h"
#include "support/SurveyBuilder.h"
#include "support/TempDir.h"
#include "support/TestApp.h"

namespace tarvix {
namespace {

using testing::TempDir;

TEST(CMemMapFileTest, MapsExistingNonEmptyFilesOnly) {
  TempDir dir;
  testing::WriteFileBytes(dir.File("data.rd3"), "abcd");
  testing::WriteFileBytes(dir.File("empty.rd3"), "");
  CMemMapFile file;
  EXPECT_FALSE(file.Open(dir.File("missing.rd3")));
  EXPECT_FALSE(file.Open(dir.File("empty.rd3")));
  EXPECT_FALSE(file.Open(dir.Path().string()));  // a folder is no data file
  ASSERT_TRUE(file.Open(dir.File("data.rd3")));
  EXPECT_EQ(file.size, 4u);
  EXPECT_EQ(file.view[3], 'd');
  EXPECT_EQ(file.mappingName, CMemMapFile::MappingNameOf(dir.File("data.rd3")));
  EXPECT_EQ(file.mappingName.find('/'), std::string::npos);
  EXPECT_EQ(file.mappingName.substr(file.mappingName.size() - 8), "DATA.RD3");
  file.Close();
  EXPECT_EQ(file.view, nullptr);
  EXPECT_EQ(file.size, 0u);
  EXPECT_EQ(file.mappingName, "");
}

TEST(CMemMapFileTest, LockIsReentrantInOneProcessAndCountsHolders) {
  TempDir dir;
  testing::WriteFileBytes(dir.File("data.rd3"), "abcd");

  // The other process starts before this one holds anything, as a separate program would.
  int go[2];
  int result[2];
  ASSERT_EQ(pipe(go), 0);
  ASSERT_EQ(pipe(result), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    char byte = 0;
    (void)!read(go[0], &byte, 1);
    CMemMapFile other;
    byte = other.Open(dir.File("data.rd3")) && other.Lock(200) != nullptr ? 'y' : 'n';
    (void)!write(result[1], &byte, 1);
    _exit(0);
  }

  CMemMapFile first;
  CMemMapFile second;
  ASSERT_TRUE(first.Open(dir.File("data.rd3")));
  ASSERT_TRUE(second.Open(dir.File("data.rd3")));
  ASSERT_NE(first.Lock(100), nullptr);
  ASSERT_NE(second.Lock(100), nullptr);
  EXPECT_TRUE(first.Unlock());
  EXPECT_FALSE(first.Unlock());

  // The second holder still has the file: the other process must not get it.
  (void)!write(go[1], "x", 1);
  char got = 0;
  ASSERT_EQ(read(result[0], &got, 1), 1);
  EXPECT_EQ(got, 'n') << "another process took a held lock";
  waitpid(child, nullptr, 0);
}

TEST(CMemMapFileTest, ProfileOfAFileHeldByAnotherProcessFailsWithoutHanging) {
  testing::TestApp app;
  TempDir dir;
  testing::SurveyBuilder survey(dir.Path().string());
  const auto base = survey.Profile("held", 4, 3, true);

  int ready[2];
  int release[2];
  ASSERT_EQ(pipe(ready), 0);
  ASSERT_EQ(pipe(release), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    CMemMapFile holder;
    const bool got = holder.Open(base + ".rd7") && holder.Lock(1000) != nullptr;
    char byte = got ? 'y' : 'n';
    (void)!write(ready[1], &byte, 1);
    (void)!read(release[0], &byte, 1);
    _exit(0);
  }
  char byte = 0;
  ASSERT_EQ(read(ready[0], &byte, 1), 1);
  ASSERT_EQ(byte, 'y');

  KBaseLineProfile profile;
  EXPECT_FALSE(profile.Load(base));
  ASSERT_EQ(app.ui.messages.size(), 1u);
  EXPECT_EQ(app.ui.messages[0].text,
            "Cannot read data file:\n" + base + ".rd7\nThe file is in use by another program.");

  (void)!write(release[1], "x", 1);
  int status = 0;
  waitpid(child, &status, 0);
  KBaseLineProfile again;
  EXPECT_TRUE(again.Load(base));
}

}  // namespace
}  // namespace tarvix
