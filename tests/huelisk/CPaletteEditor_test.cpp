#include "core/CPaletteEditor.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/CPaletteFile.h"
#include "core/CPreset.h"
#include "support/TempDir.h"

namespace tarvix::huelisk {
namespace {

using tarvix::testing::TempDir;
using tarvix::testing::WriteFileBytes;

int PresetIndex(const std::string& name) {
  for (std::size_t i = 0; i < CPreset::All().size(); ++i) {
    if (CPreset::All()[i].name == name) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

TEST(CPaletteEditorTest, AcceptingUntouchedGivesThePaletteBack) {
  CPalette viridis{CPreset::All()[PresetIndex("Viridis")].Ramp().ToEntries(), 37.5f};
  CPalette scattered = CPalette::GreyRamp();
  for (std::size_t k = 0; k < scattered.entries.size(); ++k) {
    scattered.entries[k] = static_cast<std::uint32_t>((k * 2654435761u) & 0xFFFFFF);
  }
  for (const CPalette& palette : {CPalette::GreyRamp(), viridis, scattered}) {
    EXPECT_EQ(CPaletteEditor(palette).Result(), palette);
  }
  CPalette wild = CPalette::GreyRamp();
  wild.gain = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(CPaletteEditor(wild).Gain(), 1.0f);
  wild.gain = 500.0f;
  EXPECT_EQ(CPaletteEditor(wild).Gain(), 80.0f);
}

TEST(CPaletteEditorTest, EditingAStopRebuildsTheEntriesFromTheStops) {
  const CPalette hot{CPreset::All()[PresetIndex("Hot")].Ramp().ToEntries(), 1.0f};
  CPalette nearlyHot = hot;
  nearlyHot.entries[40] += 0x000100;  // off the preset's line by one level
  CPaletteEditor editor(nearlyHot);
  EXPECT_EQ(editor.Result(), nearlyHot);
  EXPECT_EQ(editor.MatchingPreset(), -1);

  editor.Select(editor.Ramp().Stops().size() - 1);
  editor.SetStopColour(0x0000FF);
  const CColourRamp::Entries entries = editor.Result().entries;
  EXPECT_EQ(entries[63], 0x0000FFu);
  EXPECT_EQ(entries, editor.Ramp().ToEntries());
  for (std::size_t k = 0; k < 20; ++k) {
    for (int shift : {0, 8, 16}) {
      EXPECT_NEAR(static_cast<int>(entries[k] >> shift & 0xFF),
                  static_cast<int>(hot.entries[k] >> shift & 0xFF), 1)
          << k;
    }
  }
}

TEST(CPaletteEditorTest, PresetsReplaceTheColoursAndKeepTheGain) {
  CPalette start = CPalette::GreyRamp();
  start.gain = 4.0f;
  CPaletteEditor editor(start);
  EXPECT_EQ(editor.MatchingPreset(), PresetIndex("Grey"));

  editor.Select(1);
  editor.ApplyPreset(static_cast<std::size_t>(PresetIndex("Hot")));
  EXPECT_EQ(editor.MatchingPreset(), PresetIndex("Hot"));
  EXPECT_EQ(editor.Result().entries, CPreset::All()[PresetIndex("Hot")].Ramp().ToEntries());
  EXPECT_EQ(editor.Result().gain, 4.0f);
  EXPECT_EQ(editor.Selected(), 0u);

  editor.SetStopColour(0x123456);
  EXPECT_EQ(editor.MatchingPreset(), -1);
  editor.ApplyPreset(99);
  EXPECT_EQ(editor.Result().entries[0], 0x123456u) << "no such preset: nothing changes";
}

TEST(CPaletteEditorTest, StopCommandsActOnTheSelectedStop) {
  CPaletteEditor editor(CPalette::GreyRamp());
  EXPECT_FALSE(editor.CanRemoveStop());
  editor.RemoveStop();
  ASSERT_EQ(editor.Ramp().Stops().size(), 2u);

  // A new stop takes the colour already there, so the palette does not change.
  editor.AddStop();
  EXPECT_EQ(editor.Ramp().Stops()[1], (CColourStop{0.5, 0x7E7E7E}));
  EXPECT_EQ(editor.Selected(), 1u);
  EXPECT_EQ(editor.Result().entries, CPalette::GreyRamp().entries);

  editor.Select(2);
  editor.AddStop();  // from the last stop, towards the one before
  EXPECT_EQ(editor.Ramp().Stops()[2].position, 0.75);
  EXPECT_EQ(editor.Selected(), 2u);

  editor.SetStopColour(0xFF0000);
  editor.MoveStop(0.25);  // past the stop at 0.5: the selection follows
  EXPECT_EQ(editor.Selected(), 1u);
  EXPECT_EQ(editor.Ramp().Stops()[1], (CColourStop{0.25, 0xFF0000}));

  EXPECT_TRUE(editor.CanRemoveStop());
  editor.RemoveStop();
  EXPECT_EQ(editor.Selected(), 0u);
  EXPECT_EQ(editor.Ramp().Stops().size(), 3u);

  editor.AddStopAt(0.9);
  EXPECT_EQ(editor.Selected(), 2u);
  editor.Select(40);
  EXPECT_EQ(editor.Selected(), 3u);
}

TEST(CPaletteEditorTest, LoadingReplacesThePaletteUnlessTheFileIsDamaged) {
  TempDir dir;
  CPalette saved{CPreset::All()[PresetIndex("Cividis")].Ramp().ToEntries(), 12.5f};
  std::string error;
  ASSERT_TRUE(CPaletteEditor(saved).SaveFile(dir.File("cividis.hpal"), error)) << error;
  // Cut after the 30th colour, as a full disk might leave it.
  std::string damaged = CPaletteFile::Format(saved);
  std::size_t end = 0;
  for (int line = 0; line < 32; ++line) {
    end = damaged.find("\r\n", end) + 2;
  }
  WriteFileBytes(dir.File("damaged.hpal"), damaged.substr(0, end));

  CPaletteEditor editor(CPalette::GreyRamp());
  editor.AddStop();
  EXPECT_FALSE(editor.LoadFile(dir.File("damaged.hpal"), error));
  EXPECT_EQ(error, "The file ends after 30 of the 64 colours.");
  EXPECT_EQ(editor.Result(), CPalette::GreyRamp());
  EXPECT_EQ(editor.Selected(), 1u);

  ASSERT_TRUE(editor.LoadFile(dir.File("cividis.hpal"), error)) << error;
  EXPECT_EQ(editor.Result(), saved);
  EXPECT_EQ(editor.MatchingPreset(), PresetIndex("Cividis"));
  EXPECT_EQ(editor.Selected(), 0u);
}

}  // namespace
}  // namespace tarvix::huelisk
