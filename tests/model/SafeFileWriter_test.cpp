#include "model/SafeFileWriter.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/FailingDisk.h"
#include "support/TempDir.h"

namespace tarvix {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

TEST(SafeFileWriterTest, ReplacesTheFileOnlyOnCommit) {
  TempDir dir;
  const auto path = dir.File("p.mrk");
  WriteFileBytes(path, "old");
  {
    SafeFileWriter out(path);
    ASSERT_TRUE(out.IsOpen());
    out.WriteLine("new");
    EXPECT_EQ(ReadFileBytes(path), "old");
  }  // abandoned: the old file stays and no temporary file is left
  EXPECT_EQ(ReadFileBytes(path), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);

  SafeFileWriter out(path);
  out.WriteLine("new");
  ASSERT_TRUE(out.Commit());
  EXPECT_EQ(ReadFileBytes(path), "new\r\n");
}

TEST(SafeFileWriterTest, ReadOnlyFolderKeepsTheOldFile) {
  TempDir dir;
  const auto path = dir.File("p.rad");
  WriteFileBytes(path, "old");
  chmod(dir.Path().c_str(), 0555);
  const bool written = testing::InReadOnlyProcess([&] {
    SafeFileWriter out(path);
    out.Write("new");
    return out.Commit();
  });
  chmod(dir.Path().c_str(), 0755);
  EXPECT_FALSE(written);
  EXPECT_EQ(ReadFileBytes(path), "old");
}

TEST(SafeFileWriterTest, FullDiskKeepsTheOldFile) {
  TempDir dir;
  const auto path = dir.File("p.tvx");
  WriteFileBytes(path, "old project");
  bool committed = true;
  testing::WithFullDisk(16, [&] {
    SafeFileWriter out(path);
    out.Write(std::string(100000, 'x'));
    committed = out.Commit();
  });
  EXPECT_FALSE(committed);
  EXPECT_EQ(ReadFileBytes(path), "old project");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

}  // namespace
}  // namespace tarvix
