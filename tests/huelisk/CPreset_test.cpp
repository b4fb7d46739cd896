#include "core/CPreset.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tarvix::huelisk {
namespace {

// Relative luminance of an sRGB colour.
double Luminance(std::uint32_t rgb) {
  auto linear = [](std::uint32_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(rgb >> 16 & 0xFF) + 0.7152 * linear(rgb >> 8 & 0xFF) + 0.0722 * linear(rgb & 0xFF);
}

const CPreset& Named(const std::string& name) {
  for (const CPreset& preset : CPreset::All()) {
    if (preset.name == name) {
      return preset;
    }
  }
  throw std::runtime_error("no preset " + name);
}

TEST(CPresetTest, PresetsHaveTheirEndsAndMatchThemselves) {
  struct Case {
    const char* name;
    std::uint32_t first;
    std::uint32_t last;
    bool brighterEachEntry;
  };
  const Case cases[] = {
      {"Grey", 0x000000, 0xFCFCFC, true},
      {"Inverted grey", 0xFCFCFC, 0x000000, false},
      {"Blue-white-red", 0x0000FF, 0xFF0000, false},
      {"Viridis", 0x440154, 0xFDE725, true},
      {"Cividis", 0x00224E, 0xFEE838, true},
      {"Hot", 0x0B0000, 0xFFFFFF, true},
  };
  ASSERT_EQ(CPreset::All().size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(CPreset::All()[i].name, c.name);
    const CColourRamp::Entries entries = Named(c.name).Ramp().ToEntries();
    EXPECT_EQ(entries[0], c.first) << c.name;
    EXPECT_EQ(entries[63], c.last) << c.name;
    EXPECT_EQ(CPreset::Matching(entries), static_cast<int>(i)) << c.name;
    if (c.brighterEachEntry) {
      for (std::size_t k = 1; k < entries.size(); ++k) {
        EXPECT_LT(Luminance(entries[k - 1]), Luminance(entries[k])) << c.name << ", entry " << k;
      }
    }
  }
}

TEST(CPresetTest, GreyIsTheFirstRunRampAndInvertedGreyItsMirror) {
  const CColourRamp::Entries grey = Named("Grey").Ramp().ToEntries();
  const CColourRamp::Entries inverted = Named("Inverted grey").Ramp().ToEntries();
  EXPECT_EQ(grey, CPalette::GreyRamp().entries);
  for (std::size_t k = 0; k < grey.size(); ++k) {
    EXPECT_EQ(inverted[k], grey[63 - k]) << k;
  }
}

TEST(CPresetTest, BlueWhiteRedIsWhiteAtSampleZeroAndSymmetric) {
  // Sample value 0 shows entry 32; the map turns white between entries 31 and 32.
  const CColourRamp::Entries bwr = Named("Blue-white-red").Ramp().ToEntries();
  for (std::size_t k : {31u, 32u}) {
    for (int shift : {0, 8, 16}) {
      EXPECT_GE(bwr[k] >> shift & 0xFF, 0xF8u) << "entry " << k;
    }
  }
  for (std::size_t k = 0; k < bwr.size(); ++k) {
    const std::uint32_t mirrored = bwr[63 - k];
    const std::uint32_t swapped = (mirrored & 0xFF) << 16 | (mirrored & 0xFF00) | mirrored >> 16;
    EXPECT_EQ(bwr[k], swapped) << k;
  }
  EXPECT_EQ(CPreset::Matching(CColourRamp({{0.0, 0x0000FF}, {1.0, 0x0000FE}}).ToEntries()), -1);
}

}  // namespace
}  // namespace tarvix::huelisk
