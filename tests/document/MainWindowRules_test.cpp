#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "document/Commands.h"
#include "document/MainFrameTexts.h"
#include "document/MainMenu.h"
#include "document/MarkerBarPlacement.h"
#include "document/RemoteControlModel.h"
#include "document/WindowPlacement.h"
#include "platform/MemorySettingsStore.h"

namespace tarvix {
namespace {

std::set<int> CommandIds(const std::vector<MainMenuItem>& items) {
  std::set<int> ids;
  std::function<void(const std::vector<MainMenuItem>&)> walk = [&](const std::vector<MainMenuItem>& level) {
    for (const auto& item : level) {
      if (item.id != 0) {
        EXPECT_TRUE(ids.insert(item.id).second) << "twice in the menu: " << item.id;
      }
      walk(item.items);
    }
  };
  walk(items);
  return ids;
}

TEST(MainMenu, TheProjectMenuAddsTheProjectsCommandsToTheApplicationsOwn) {
  using namespace command;
  const std::set<int> application = {kNew,   kOpen,       kPrintSetup,    kRecentFile,
                                     kExit,  kOptions,    kChangePalette, kHelpTopics,
                                     kAbout, kMarkerList, kViewToolBar,   kViewStatusBar};
  const std::set<int> project = {kClose,        kSave,      kSaveAs,         kAddProject,    kProjectManager,
                                 kConvertToGps, kExportDxf, kExportAscii,    kExportTrelwin, kPrint,
                                 kPrintPreview, kSiteMap,   kEditFilterList, kToggleFilters, kMigration,
                                 kCascade,      kTile,      kArrangeIcons};
  EXPECT_EQ(CommandIds(MainMenu(false)), application);
  std::set<int> both = application;
  both.insert(project.begin(), project.end());
  EXPECT_EQ(CommandIds(MainMenu(true)), both);
}

TEST(MainMenu, TopLevelMenusOfBothStates) {
  auto titles = [](bool projectOpen) {
    std::vector<std::string> texts;
    for (const auto& popup : MainMenu(projectOpen)) {
      EXPECT_TRUE(popup.IsPopup());
      texts.push_back(popup.text);
    }
    return texts;
  };
  EXPECT_EQ(titles(false), (std::vector<std::string>{"&File", "&View", "&Tools", "&Help"}));
  EXPECT_EQ(titles(true), (std::vector<std::string>{"&File", "&View", "&Tools", "&Window", "&Help"}));
}

TEST(MainMenu, RecentFilesAndFilterToggleTexts) {
  EXPECT_EQ(RecentFileMenuText(0, "/data/survey/North.tvx"), "&1 North.tvx");
  EXPECT_EQ(RecentFileMenuText(3, "/data/R&D.tvx"), "&4 R&&D.tvx");
  EXPECT_EQ(ToggleFiltersText(true), "&Disable All Filters\tCtrl+F");
  EXPECT_EQ(ToggleFiltersText(false), "&Enable All Filters\tCtrl+F");
}

TEST(MainFrameTexts, TitleAndIdlePanes) {
  const std::string path = "/home/ann/surveys/Bridge.tvx";
  EXPECT_EQ(MainFrameTitle(nullptr), "BHG Tarvix");
  EXPECT_EQ(MainFrameTitle(&path), "BHG Tarvix - Bridge.tvx ");
  EXPECT_EQ(DataWidthPaneText(true), " (32 bits)");
  EXPECT_EQ(DataWidthPaneText(false), " (16 bits)");
}

TEST(RemoteControlModel, EachModeSetsCaptionRangeAndPosition) {
  struct Case {
    int value, mode;
    const char* caption;
    int minimum, maximum, position;
    bool visible;
  };
  const Case cases[] = {
      {120, 1, "VELOCITY", 10, 300, 120, true},
      {2, 2, "RADIUS", 0, 100, 20, true},  // a radius of 2.57 m is handed over as 2
      {45, 3, "ANGLE", 0, 90, 45, true},
      {500, 1, "VELOCITY", 10, 300, 300, true},
      {7, 0, "", 0, 0, 0, false},
  };
  for (const auto& c : cases) {
    RemoteControlModel remote;
    remote.SetRemoteMode(c.value, c.mode);
    SCOPED_TRACE(c.mode);
    EXPECT_EQ(remote.Caption(), c.caption);
    EXPECT_EQ(remote.Visible(), c.visible);
    if (!c.visible) continue;
    EXPECT_EQ(remote.Minimum(), c.minimum);
    EXPECT_EQ(remote.Maximum(), c.maximum);
    EXPECT_EQ(remote.Position(), c.position);
  }
}

TEST(RemoteControlModel, SliderPositionsSetOnlyTheEditedParameter) {
  RemoteControlModel remote;
  HyperbolaParameters hyperbola{100.0f, 2.57f, 90.0f};
  remote.SetRemoteMode(static_cast<int>(hyperbola.radius), RemoteControlModel::kRadius);
  EXPECT_TRUE(remote.ApplyPosition(25, hyperbola));
  EXPECT_FLOAT_EQ(hyperbola.radius, 2.5f);
  EXPECT_FALSE(remote.ApplyPosition(25, hyperbola));  // unchanged: nothing to redraw
  EXPECT_FLOAT_EQ(hyperbola.velocity, 100.0f);
  EXPECT_FLOAT_EQ(hyperbola.angle, 90.0f);

  remote.SetRemoteMode(90, RemoteControlModel::kAngle);
  EXPECT_TRUE(remote.ApplyPosition(30, hyperbola));
  EXPECT_FLOAT_EQ(hyperbola.angle, 30.0f);
  remote.SetRemoteMode(0, RemoteControlModel::kNone);
  EXPECT_FALSE(remote.ApplyPosition(60, hyperbola));
  EXPECT_FLOAT_EQ(hyperbola.angle, 30.0f);
}

TEST(MarkerBarPlacement, StoresTheFrameCornerAndComesBackWhereItWas) {
  MemorySettingsStore store;
  const auto first = MarkerBarPlacement::Load(store);
  EXPECT_FALSE(first.visible);
  EXPECT_EQ(first.position, (Point{22, 38}));  // the frame at (20, 20)
  EXPECT_FALSE(first.size);

  MarkerBarPlacement::Save(store, Rect{300, 200, 700, 450}, true);
  const auto bytes = store.ReadBinary("MarkerList");
  // left 298, top 182, right 700, bottom 450
  const std::vector<std::uint8_t> expected = {0x2A, 1, 0, 0, 0xB6, 0, 0, 0, 0xBC, 2, 0, 0, 0xC2, 1, 0, 0};
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(store.ReadInt("MarkVis"), 1);

  const auto again = MarkerBarPlacement::Load(store);
  EXPECT_TRUE(again.visible);
  EXPECT_EQ(again.position, (Point{300, 200}));
  EXPECT_EQ(again.size, (Size{400, 250}));
}

TEST(MarkerBarPlacement, DamagedRectanglesGiveNoSize) {
  MemorySettingsStore store;
  store.WriteBinary("MarkerList", {1, 2, 3});
  EXPECT_EQ(MarkerBarPlacement::Load(store).position, (Point{22, 38}));
  MarkerBarPlacement::Save(store, Rect{300, 200, 290, 100}, false);
  const auto placement = MarkerBarPlacement::Load(store);
  EXPECT_EQ(placement.position, (Point{300, 200}));
  EXPECT_FALSE(placement.size);
}

TEST(WindowPlacement, RoundTripsThe44ByteRecordAndRefusesDamagedOnes) {
  WindowPlacement placement;
  placement.showCmd = WindowPlacement::kShowMaximized;
  placement.normalPosition = {10, 20, 810, 620};
  const auto bytes = placement.Encode();
  ASSERT_EQ(bytes.size(), 44u);
  EXPECT_EQ(bytes[0], 44);
  EXPECT_EQ(bytes[8], 3);
  EXPECT_EQ(bytes[12], 0xFF);  // minimised position -1
  EXPECT_EQ(WindowPlacement::Decode(bytes), placement);

  auto wrongLength = bytes;
  wrongLength[0] = 40;
  auto emptyRect = placement;
  emptyRect.normalPosition = {10, 20, 10, 400};
  const std::vector<std::vector<std::uint8_t>> damaged = {
      {}, std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 1), wrongLength, emptyRect.Encode()};
  for (const auto& record : damaged) EXPECT_FALSE(WindowPlacement::Decode(record)) << record.size();

  MemorySettingsStore store;
  EXPECT_FALSE(WindowPlacement::Read(store, "DataView"));
  placement.Write(store, "DataView");
  EXPECT_EQ(WindowPlacement::Read(store, "DataView"), placement);
}

}  // namespace
}  // namespace tarvix
