#include "core/CColourRamp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/CPreset.h"

namespace tarvix::huelisk {
namespace {

TEST(CColourRampTest, StopsInterpolateIntoTheEntries) {
  struct Case {
    const char* what;
    std::vector<CColourStop> stops;
    std::vector<std::pair<int, std::uint32_t>> expected;  // entry, colour
  };
  const Case cases[] = {
      {"channels apart", {{0.0, 0x000000}, {1.0, 0xFF7E00}}, {{0, 0x000000}, {21, 0x552A00}, {63, 0xFF7E00}}},
      {"three stops, unsorted",
       {{1.0, 0x0000FF}, {0.0, 0xFF0000}, {0.5, 0x00FF00}},
       {{0, 0xFF0000}, {21, 0x55AA00}, {42, 0x00AA55}, {63, 0x0000FF}}},
      {"flat before the first and after the last stop",
       {{0.25, 0x102030}, {0.75, 0x708090}},
       {{0, 0x102030}, {15, 0x102030}, {16, 0x112131}, {48, 0x708090}, {63, 0x708090}}},
      {"two stops at one place make a hard edge",
       {{0.0, 0x000000}, {0.5, 0x000000}, {0.5, 0xFFFFFF}, {1.0, 0xFFFFFF}},
       {{31, 0x000000}, {32, 0xFFFFFF}}},
      {"positions outside 0..1 are clamped",
       {{-1.0, 0x000000}, {2.0, 0xFCFCFC}},
       {{1, 0x040404}, {62, 0xF8F8F8}}},
      {"one stop is a flat ramp", {{0.3, 0x123456}}, {{0, 0x123456}, {63, 0x123456}}},
  };
  for (const Case& c : cases) {
    const CColourRamp::Entries entries = CColourRamp(c.stops).ToEntries();
    for (const auto& [entry, colour] : c.expected) {
      EXPECT_EQ(entries[entry], colour) << c.what << ", entry " << entry;
    }
  }
}

int LargestChannelError(const CColourRamp::Entries& a, const CColourRamp::Entries& b) {
  int largest = 0;
  for (std::size_t k = 0; k < a.size(); ++k) {
    for (int shift : {0, 8, 16}) {
      largest = std::max(
          largest, std::abs(static_cast<int>(a[k] >> shift & 0xFF) - static_cast<int>(b[k] >> shift & 0xFF)));
    }
  }
  return largest;
}

TEST(CColourRampTest, FromEntriesGivesTheEntriesBackWithinTheTolerance) {
  struct Case {
    std::string what;
    CColourRamp::Entries entries;
    std::size_t maxStopsWithinOne;
  };
  std::vector<Case> cases;
  for (const CPreset& preset : CPreset::All()) {
    cases.push_back({preset.name, preset.Ramp().ToEntries(), preset.stops.size() + 1});
  }
  CColourRamp::Entries scattered{};
  std::uint32_t seed = 12345;
  for (std::uint32_t& entry : scattered) {
    seed = seed * 1664525u + 1013904223u;
    entry = seed >> 8;
  }
  cases.push_back({"scattered colours", scattered, 64});
  CColourRamp::Entries step{};
  for (std::size_t k = 0; k < step.size(); ++k) {
    step[k] = k < 20 ? 0x0000FF : 0xFFFF00;
  }
  cases.push_back({"a step", step, 4});

  for (const Case& c : cases) {
    EXPECT_EQ(CColourRamp::FromEntries(c.entries).ToEntries(), c.entries) << c.what;
    const CColourRamp near = CColourRamp::FromEntries(c.entries, 1);
    EXPECT_LE(LargestChannelError(near.ToEntries(), c.entries), 1) << c.what;
    EXPECT_LE(near.Stops().size(), c.maxStopsWithinOne) << c.what;
  }
  EXPECT_EQ(CColourRamp::FromEntries(CPalette::GreyRamp().entries).Stops().size(), 2u);
}

TEST(CColourRampTest, FromEntriesDropsTheUnusedTopByte) {
  CColourRamp::Entries entries = CPalette::GreyRamp().entries;
  entries[10] |= 0xFF000000u;
  EXPECT_EQ(CColourRamp::FromEntries(entries).ToEntries(), CPalette::GreyRamp().entries);
}

TEST(CColourRampTest, EditsKeepTheStopsSortedAndFollowTheStop) {
  CColourRamp ramp({{0.0, 0x000000}, {0.5, 0x808080}, {1.0, 0xFFFFFF}});

  EXPECT_EQ(ramp.Add({0.25, 0xFF0000}), 1u);
  EXPECT_EQ(ramp.Add({0.5, 0x00FF00}), 3u) << "after the stop already at 0.5";
  // Moving the red stop past two others: it lands after them and the index says so.
  EXPECT_EQ(ramp.Move(1, 0.75), 3u);
  EXPECT_EQ(ramp.Stops()[3], (CColourStop{0.75, 0xFF0000}));
  EXPECT_EQ(ramp.Move(3, 7.0), 4u);
  EXPECT_EQ(ramp.Stops()[4].position, 1.0);
  ramp.SetColour(0, 0xAB123456);
  EXPECT_EQ(ramp.Stops()[0].rgb, 0x123456u);
  for (std::size_t i = 1; i < ramp.Stops().size(); ++i) {
    EXPECT_LE(ramp.Stops()[i - 1].position, ramp.Stops()[i].position);
  }
}

TEST(CColourRampTest, RemoveKeepsTwoStops) {
  CColourRamp ramp({{0.0, 0x000000}, {0.5, 0x808080}, {1.0, 0xFFFFFF}});
  EXPECT_FALSE(ramp.Remove(3));
  EXPECT_TRUE(ramp.Remove(1));
  EXPECT_FALSE(ramp.Remove(0));
  EXPECT_FALSE(ramp.Remove(1));
  EXPECT_EQ(ramp.Stops(), (std::vector<CColourStop>{{0.0, 0x000000}, {1.0, 0xFFFFFF}}));
}

}  // namespace
}  // namespace tarvix::huelisk
