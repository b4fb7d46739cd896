#include "core/CPalette.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace tarvix::huelisk {
namespace {

TEST(CPaletteTest, GreyRampIsTheFirstRunPalette) {
  const CPalette grey = CPalette::GreyRamp();
  for (int k = 0; k < CPalette::kEntries; ++k) {
    EXPECT_EQ(grey.entries[k], 0x040404u * static_cast<unsigned>(k)) << k;
  }
  EXPECT_EQ(grey.entries[63], 0xFCFCFCu);
  EXPECT_EQ(grey.gain, 1.0f);
}

TEST(CPaletteTest, RecordIsLittleEndianEntriesThenGain) {
  CPalette palette = CPalette::GreyRamp();
  palette.entries[1] = 0x00123456;
  palette.gain = 1.0f;
  // One byte in front shows that an unaligned record is fine.
  unsigned char buffer[1 + CPalette::kRecordBytes] = {};
  unsigned char* record = buffer + 1;
  palette.Pack(record);

  const unsigned char entry1[] = {0x56, 0x34, 0x12, 0x00};
  const unsigned char entry63[] = {0xFC, 0xFC, 0xFC, 0x00};
  const unsigned char gainOne[] = {0x00, 0x00, 0x80, 0x3F};
  EXPECT_EQ(std::memcmp(record + 4, entry1, 4), 0);
  EXPECT_EQ(std::memcmp(record + 252, entry63, 4), 0);
  EXPECT_EQ(std::memcmp(record + 256, gainOne, 4), 0);
  EXPECT_EQ(CPalette::Unpack(record), palette);
}

TEST(CPaletteTest, ClampGainKeepsTheSliderRange) {
  struct Case {
    float in;
    float out;
  };
  const Case cases[] = {{1.0f, 1.0f},
                        {2.5f, 2.5f},
                        {80.0f, 80.0f},
                        {0.0f, 1.0f},
                        {-3.0f, 1.0f},
                        {80.5f, 80.0f},
                        {std::numeric_limits<float>::infinity(), 80.0f},
                        {std::numeric_limits<float>::quiet_NaN(), 1.0f}};
  for (const Case& c : cases) {
    EXPECT_EQ(CPalette::ClampGain(c.in), c.out) << c.in;
  }
}

}  // namespace
}  // namespace tarvix::huelisk
