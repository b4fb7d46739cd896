#include "app/AppSettings.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/MemorySettingsStore.h"
#include "support/TestApp.h"

namespace tarvix {
namespace {

TEST(AppSettingsTest, EmptyStoreGivesFirstRunValues) {
  testing::TestApp app;
  app.context.LoadSettings();
  const AppSettings& s = app.settings();
  EXPECT_EQ(s.Velocity, 100.0);
  EXPECT_EQ(s.MaxProfile, 4);
  EXPECT_EQ(s.Units, 0);
  EXPECT_EQ(s.Orientation, 1);  // absent means right-handed, unlike the constructed 0
  EXPECT_EQ(s.CoordOrder, 0);
  EXPECT_EQ(s.ProfSize, 0);
  EXPECT_TRUE(app.context.is32BitData);
  EXPECT_EQ(s.Palette.gain, 1.0f);
  EXPECT_EQ(s.Palette.colours[0], 0u);
  EXPECT_EQ(s.Palette.colours[63], Rgb(252, 252, 252));
  EXPECT_EQ(AppSettings{}.Orientation, 0);
}

TEST(AppSettingsTest, SaveWritesEveryValueInOrderAndLoadsBack) {
  testing::TestApp app;
  AppSettings& s = app.settings();
  s.ZeroLevel = 12;
  s.ProfSize = 1;
  s.MaxProfile = 7;
  s.Units = 1;
  s.TitleText = "Site A";
  s.Orientation = 0;
  s.Velocity = 87.5;
  s.Palette.colours[5] = Rgb(1, 2, 3);
  s.Palette.gain = 3.5f;
  s.CurDir = "/data/";
  s.markerTypeNames[2] = "Pipe";
  s.markerTypeNames[13] = "Kept";
  app.context.SaveSettings();

  std::vector<std::string> expected = {"ZeroLevel", "VertScale", "ProfOrder", "ProfSize", "MaxProfile",
                                       "Units", "TitleFlag", "TitleText", "Orientation", "CoordOrder",
                                       "Velocity", "Palette", "CurDir"};
  for (int i = 0; i < 14; ++i) expected.push_back("Type #" + std::to_string(i));
  EXPECT_EQ(app.store.WriteLog(), expected);
  EXPECT_EQ(app.store.ReadBinary("Velocity")->size(), 8u);
  EXPECT_EQ(app.store.ReadBinary("Palette")->size(), 260u);

  testing::TestApp other;
  for (const auto& name : expected) {
    if (auto i = app.store.ReadInt(name)) other.store.WriteInt(name, *i);
    if (auto t = app.store.ReadString(name)) other.store.WriteString(name, *t);
    if (auto b = app.store.ReadBinary(name)) other.store.WriteBinary(name, *b);
  }
  other.context.LoadSettings();
  const AppSettings& r = other.settings();
  EXPECT_EQ(r.ZeroLevel, 12);
  EXPECT_EQ(r.MaxProfile, 7);
  EXPECT_EQ(r.TitleText, "Site A");
  EXPECT_EQ(r.Orientation, 0);
  EXPECT_EQ(r.Velocity, 87.5);
  EXPECT_EQ(r.Palette.colours[5], Rgb(1, 2, 3));
  EXPECT_EQ(r.Palette.gain, 3.5f);
  EXPECT_EQ(r.CurDir, "/data/");
  EXPECT_EQ(r.markerTypeNames[2], "Pipe");
  EXPECT_EQ(r.markerTypeNames[13], "Kept");
  EXPECT_FALSE(other.context.is32BitData);  // ProfSize 1 means 16-bit data
}

TEST(AppSettingsTest, WrongSizedOrTypedValuesAreIgnored) {
  testing::TestApp app;
  app.store.WriteBinary("Velocity", {1, 2, 3});
  app.store.WriteBinary("Palette", std::vector<std::uint8_t>(300, 0xAB));
  app.store.WriteString("MaxProfile", "9");
  app.context.LoadSettings();
  EXPECT_EQ(app.settings().Velocity, 100.0);
  EXPECT_EQ(app.settings().Palette.colours[1], 0x040404u);
  EXPECT_EQ(app.settings().MaxProfile, 4);
}

TEST(AppSettingsTest, MarkerTypeNamesShowTheirNumberWhenEmpty) {
  AppSettings s;
  s.markerTypeNames[0] = "Rock";
  EXPECT_EQ(s.MarkerTypeName(0), "Rock");
  EXPECT_EQ(s.MarkerTypeName(2), "Type 3");
  EXPECT_EQ(MarkerTypeValueName(2), "Type #2");
}

}  // namespace
}  // namespace tarvix
