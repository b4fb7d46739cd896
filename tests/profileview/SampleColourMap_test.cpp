#include "profileview/SampleColourMap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "support/ColourFormula.h"

namespace tarvix {
namespace {

using testing::FormulaEntry16;
using testing::FormulaEntry32;

// A palette whose entries are their own index, so a colour reads back as the entry.
PaletteRecord IndexPalette(float gain) {
  PaletteRecord palette;
  for (int k = 0; k < 64; ++k) palette.colours[static_cast<std::size_t>(k)] = static_cast<Colour>(k);
  palette.gain = gain;
  return palette;
}

const float kSliderGains[] = {1.0f, 2.0f, 7.0f, 33.0f, 80.0f, 1.37f, 0.25f};

TEST(SampleColourTest, KnownValuesAtGainOne) {
  const struct {
    std::int16_t sample;
    int entry;
  } cases[] = {{-32768, 0}, {32767, 63}, {0, 32}, {1023, 32}, {1024, 33}, {-1, 31}, {-1024, 31}, {-1025, 30}};
  for (const auto& c : cases) {
    EXPECT_EQ(SampleToColour16(c.sample, 1.0f), c.entry) << c.sample;
    // The 32-bit range is 65536 times wider.
    EXPECT_EQ(SampleToColour32(std::int32_t{c.sample} * 65536, 1.0f), c.entry) << c.sample;
  }
  EXPECT_EQ(SampleToColour32(std::numeric_limits<std::int32_t>::max(), 1.0f), 63);
}

TEST(SampleColourTest, FastMappingEqualsTheFormulaForEvery16BitValue) {
  std::vector<std::int16_t> samples;
  for (int v = -32768; v <= 32767; ++v) samples.push_back(static_cast<std::int16_t>(v));
  std::vector<std::uint32_t> out(samples.size() * 2, 0xDEADBEEF);
  for (float gain : kSliderGains) {
    SampleColourMap map;
    map.Prepare(IndexPalette(gain));
    // The values as 37 traces of 1771 samples (a ragged last tile), each written down a column of
    // an image 40 pixels wide, leaving the other columns alone.
    constexpr int kTraces = 37;
    constexpr int kRows = 1771;
    static_assert(kTraces * kRows <= 65536 && 40 * kRows <= 2 * 65536);
    map.Map16(samples.data(), kRows, kTraces, kRows, out.data(), 40);
    for (int t = 0; t < 40; ++t)
      for (int r = 0; r < kRows; ++r) {
        const std::uint32_t pixel = out[static_cast<std::size_t>(r * 40 + t)];
        if (t >= kTraces) {
          ASSERT_EQ(pixel, 0xDEADBEEFu);
          continue;
        }
        const std::int16_t sample = samples[static_cast<std::size_t>(t * kRows + r)];
        ASSERT_EQ(pixel, static_cast<std::uint32_t>(FormulaEntry16(sample, gain))) << sample << " " << gain;
      }
  }
}

TEST(SampleColourTest, FastMappingEqualsTheFormulaFor32BitValues) {
  std::mt19937 random(7);
  std::uniform_int_distribution<std::int32_t> any(std::numeric_limits<std::int32_t>::min(),
                                                  std::numeric_limits<std::int32_t>::max());
  std::vector<std::int32_t> samples = {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(),
                                       0, 1, -1, 67108863, 67108864, -67108864, -67108865};
  // Every step boundary of the palette at gain 1, and its neighbours.
  for (std::int64_t k = -32; k <= 32; ++k)
    for (std::int64_t d = -1; d <= 1; ++d) samples.push_back(static_cast<std::int32_t>(k * 67108864 + d));
  while (samples.size() < 5000) samples.push_back(any(random));
  samples.resize(5000);
  std::vector<std::uint32_t> out(samples.size());
  for (float gain : kSliderGains) {
    SampleColourMap map;
    map.Prepare(IndexPalette(gain));
    // 250 traces of 20 samples into an image 250 pixels wide: sample i lands at the same index
    // transposed.
    map.Map32(samples.data(), 20, 250, 20, out.data(), 250);
    for (std::size_t i = 0; i < samples.size(); ++i) {
      const std::size_t pixel = (i % 20) * 250 + i / 20;
      ASSERT_EQ(out[pixel], static_cast<std::uint32_t>(FormulaEntry32(samples[i], gain))) << samples[i] << " " << gain;
      ASSERT_EQ(SampleToColour32(samples[i], gain), FormulaEntry32(samples[i], gain));
    }
  }
}

TEST(SampleColourTest, GainsBeyondTheSlidersSaturateInsteadOfWrapping) {
  // At gain 1100 a full-scale sample lies far above the palette: it stays the brightest entry
  // (the low 16 bits of the scaled value would have named the darkest), and stays so in the table.
  const struct {
    float gain;
    std::int16_t sample;
    int entry;
  } cases[] = {{1100.0f, 32767, 63}, {1100.0f, -32768, 0}, {1e30f, 1, 63}, {1e30f, -1, 0},
               {std::numeric_limits<float>::infinity(), 5, 63}, {std::numeric_limits<float>::quiet_NaN(), 5, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(SampleToColour16(c.sample, c.gain), c.entry) << c.gain << " " << c.sample;
    SampleColourMap map;
    map.Prepare(IndexPalette(c.gain));
    std::uint32_t out = 0;
    map.Map16(&c.sample, 1, 1, 1, &out, 1);
    EXPECT_EQ(out, static_cast<std::uint32_t>(c.entry));
  }
  EXPECT_EQ(FormulaEntry16(32767, 1100.0f), 0);  // what wrapping would have shown
}

TEST(SampleColourTest, PrepareReportsOnlyRealChanges) {
  SampleColourMap map;
  PaletteRecord palette = PaletteRecord::GreyRamp();
  EXPECT_TRUE(map.Prepare(palette));
  EXPECT_FALSE(map.Prepare(palette));
  palette.gain = 2.0f;
  EXPECT_TRUE(map.Prepare(palette));
  palette.colours[5] = Rgb(1, 2, 3);
  EXPECT_TRUE(map.Prepare(palette));
  EXPECT_EQ(map.ZeroColour(), palette.colours[32]);
}

}  // namespace
}  // namespace tarvix
