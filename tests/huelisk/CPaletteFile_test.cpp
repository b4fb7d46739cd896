#include "core/CPaletteFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"

namespace tarvix::huelisk {
namespace {

using tarvix::testing::ReadFileBytes;
using tarvix::testing::TempDir;
using tarvix::testing::WriteFileBytes;

CPalette Sample() {
  CPalette palette = CPalette::GreyRamp();
  palette.entries[0] = 0x00A1B2C3;
  palette.entries[63] = 0x00FFFFFF;
  palette.gain = 1.1f;  // not exact in decimal: the text must still give the same float back
  return palette;
}

// A well-formed file with one line replaced, or cut after `keep` lines.
std::string Lines(std::size_t replaceLine, const std::string& with, std::size_t keep = 66) {
  std::string text;
  for (std::size_t n = 1; n <= keep; ++n) {
    if (n == replaceLine) {
      text += with;
    } else if (n == 1) {
      text += "HUELISK-PALETTE 1";
    } else if (n == 2) {
      text += "GAIN 2";
    } else {
      text += "#102030";
    }
    text += "\r\n";
  }
  return text;
}

TEST(CPaletteFileTest, FormatIsVersionGainAndHexColoursWithCrLf) {
  const std::string text = CPaletteFile::Format(Sample());
  EXPECT_EQ(text.substr(0, 47), "HUELISK-PALETTE 1\r\nGAIN 1.1\r\n#A1B2C3\r\n#040404\r\n");
  EXPECT_EQ(text.substr(text.size() - 18), "#F8F8F8\r\n#FFFFFF\r\n");
  EXPECT_EQ(text.size(), 19u + 10u + 64u * 9u);
}

TEST(CPaletteFileTest, WrittenFileReadsBackExactly) {
  TempDir dir;
  for (float gain : {1.0f, 1.1f, 37.25f, 80.0f}) {
    CPalette palette = Sample();
    palette.gain = gain;
    std::string error;
    ASSERT_TRUE(CPaletteFile::Write(dir.File("p.hpal"), palette, error)) << error;
    CPalette read;
    ASSERT_TRUE(CPaletteFile::Read(dir.File("p.hpal"), read, error)) << error;
    EXPECT_EQ(read, palette) << gain;
  }
  // Nothing is left beside the file, and a second write replaced the first.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(CPaletteFileTest, ReaderAcceptsLfLowerCaseAndMissingHashes) {
  std::string text = "HUELISK-PALETTE 1\nGAIN 3.5  \n";
  for (int k = 0; k < 64; ++k) {
    text += k == 5 ? "  a0b0c0\t\n" : "#00ff00\n";
  }
  text += "\n\r\n";
  CPalette palette;
  std::string error;
  ASSERT_TRUE(CPaletteFile::Parse(text, palette, error)) << error;
  EXPECT_EQ(palette.gain, 3.5f);
  EXPECT_EQ(palette.entries[5], 0xA0B0C0u);
  EXPECT_EQ(palette.entries[6], 0x00FF00u);
}

TEST(CPaletteFileTest, DamagedFilesAreRefusedAndChangeNothing) {
  struct Case {
    const char* what;
    std::string text;
    const char* message;
  };
  const Case cases[] = {
      {"empty", "", "Line 1: this is not a palette file"},
      {"other file", "ZeroLevel:0\r\n", "Line 1: this is not a palette file"},
      {"binary", std::string("\x89PNG\r\n\x1a\n\0\0", 10), "Line 1: this is not a palette file"},
      {"newer version", Lines(1, "HUELISK-PALETTE 2"), "Line 1: palette file version \"2\" is not supported"},
      {"no gain", Lines(2, "#000000"), "Line 2: \"GAIN\" and a gain from 1 to 80 expected"},
      {"gain not a number", Lines(2, "GAIN fast"), "Line 2:"},
      {"gain trailing text", Lines(2, "GAIN 2x"), "Line 2:"},
      {"gain below range", Lines(2, "GAIN 0.5"), "Line 2:"},
      {"gain above range", Lines(2, "GAIN 80.5"), "Line 2:"},
      {"gain nan", Lines(2, "GAIN nan"), "Line 2:"},
      {"gain inf", Lines(2, "GAIN inf"), "Line 2:"},
      {"bad digit", Lines(10, "#10203G"), "Line 10: \"#10203G\" is not a colour"},
      {"short colour", Lines(66, "#12345"), "Line 66: \"#12345\" is not a colour"},
      {"long colour", Lines(3, "#1234567"), "Line 3:"},
      {"signed colour", Lines(3, "-12345"), "Line 3:"},
      {"63 colours", Lines(0, "", 65), "The file ends after 63 of the 64 colours."},
      {"header only", Lines(0, "", 2), "The file ends after 0 of the 64 colours."},
      {"65 colours", Lines(0, "", 67), "Line 67: unexpected text after the 64th colour."},
      {"too large", Lines(0, "") + std::string(CPaletteFile::kMaxBytes, '\n'), "too large"},
  };
  for (const Case& c : cases) {
    CPalette palette = Sample();
    std::string error;
    EXPECT_FALSE(CPaletteFile::Parse(c.text, palette, error)) << c.what;
    EXPECT_NE(error.find(c.message), std::string::npos) << c.what << ": " << error;
    EXPECT_EQ(palette, Sample()) << c.what;
  }
}

TEST(CPaletteFileTest, FileProblemsAreReported) {
  TempDir dir;
  CPalette palette = Sample();
  std::string error;
  EXPECT_FALSE(CPaletteFile::Read(dir.File("missing.hpal"), palette, error));
  EXPECT_EQ(error, "The file cannot be opened.");
  EXPECT_FALSE(CPaletteFile::Read(dir.Path().string(), palette, error)) << "a folder";
  EXPECT_FALSE(CPaletteFile::Write(dir.File("no/such/folder.hpal"), palette, error));
  EXPECT_NE(error.find("cannot be written"), std::string::npos);
  EXPECT_EQ(palette, Sample());

  // A file far larger than the limit is refused without being read whole.
  WriteFileBytes(dir.File("big.hpal"), Lines(0, "") + std::string(1 << 20, ' '));
  EXPECT_FALSE(CPaletteFile::Read(dir.File("big.hpal"), palette, error));
  EXPECT_NE(error.find("too large"), std::string::npos);

  // A failed write leaves the existing file as it was.
  ASSERT_TRUE(CPaletteFile::Write(dir.File("kept.hpal"), palette, error));
  const std::string before = ReadFileBytes(dir.File("kept.hpal"));
  std::filesystem::create_directory(dir.File("kept.hpal.writing"));
  CPalette other = palette;
  other.gain = 9.0f;
  EXPECT_FALSE(CPaletteFile::Write(dir.File("kept.hpal"), other, error));
  EXPECT_EQ(ReadFileBytes(dir.File("kept.hpal")), before);
}

}  // namespace
}  // namespace tarvix::huelisk
