#include <filesystem>
#include <functional>

#include "document/CFileWarnDlg.h"
#include "document/CProjMngr.h"
#include "document/DocumentFixture.h"
#include "platform/MemorySettingsStore.h"

namespace tarvix {
namespace {

using testing::DocumentFixture;
using testing::EventLog;
namespace fs = std::filesystem;

TEST(CTarvixDocCommandsTest, AddProjectRefusesItselfAndOtherTypesAndMergesTheRest) {
  struct Case {
    const char* name;
    bool warningAccepted;
    std::function<std::optional<std::string>(DocumentFixture&)> chosen;
    std::vector<std::string> messages;
    std::size_t sets;
  };
  const Case cases[] = {
      {"warning declined", false, nullptr, {}, 2},
      {"file dialog cancelled", true, [](DocumentFixture&) { return std::nullopt; }, {}, 2},
      {"own file", true, [](DocumentFixture& f) { return f.folder + "site.TVX"; },
       {"It is not possible to add a project to itself."}, 2},
      {"GPS project", true, [](DocumentFixture& f) { return f.projects.GpsProject("gps", {}); },
       {"It is not possible to combine projects of different types (version numbers)."}, 2},
      {"baseline project elsewhere", true,
       [](DocumentFixture& f) {
         fs::create_directory(f.folder + "other");
         testing::SurveyBuilder(f.folder + "other").Profile("c1", 4, 6, true);
         return testing::ProjectBuilder(f.folder + "other").BaselineProject("extra", {{{"c1", 1}}});
       },
       {}, 3},
  };
  for (const auto& c : cases) {
    DocumentFixture f;
    f.OpenSite();
    f.host.log.clear();
    f.app.ui.Dialog("CFileWarnDlg", [&](DialogModel&) { return c.warningAccepted; });
    if (c.chosen) f.app.ui.OpenFile(c.chosen(f));
    f.doc->OnAddProject();

    EXPECT_EQ(f.app.ui.MessageTexts(), c.messages) << c.name;
    EXPECT_EQ(f.app.ui.fileDialogs.size(), c.warningAccepted ? 1u : 0u) << c.name;
    if (c.warningAccepted) {
      const auto& request = f.app.ui.fileDialogs[0];
      EXPECT_EQ(request.filter, "Tarvix project files (*.tvx)|*.tvx|All files (*.*)|*.*||");
      EXPECT_EQ(request.defaultExtension, "tvx");
      EXPECT_EQ(request.initialName, f.folder + "site");
    }
    EXPECT_EQ(f.doc->project.sets.size(), c.sets) << c.name;
    const bool merged = c.sets == 3;
    EXPECT_EQ(f.doc->IsModified(), merged) << c.name;
    if (!merged) continue;
    EXPECT_TRUE(fs::exists(f.folder + "c1.rad"));  // the added profile's files come along
    EXPECT_EQ(f.Profile(2, 0).GetDataPath(), f.folder + "c1.rd7");
    EXPECT_EQ(f.doc->state.profileShift.size(), 3u);
    EXPECT_EQ(f.doc->state.profileShift[2].size(), 1u);
  }
}

TEST(CTarvixDocCommandsTest, AddProjectUpdatesEveryViewAfterMerging) {
  DocumentFixture f;
  f.OpenSite();
  testing::RecordingProfileView profile(f.host.log);
  testing::RecordingMapView map(f.host.log);
  f.doc->AttachView(profile);
  f.doc->AttachView(map);
  f.app.ui.Dialog("CFileWarnDlg", [](DialogModel&) { return true; });
  f.app.ui.OpenFile(f.projects.BaselineProject("extra", {{{"b1", 1}}}));
  f.doc->OnAddProject();
  EXPECT_EQ(f.doc->project.sets.size(), 3u);
  EXPECT_EQ(f.host.log, (EventLog{"profile update 0", "map update 0"}));
}

TEST(CTarvixDocCommandsTest, CommandStatesFollowTheProjectAndTheDisplayState) {
  DocumentFixture f;
  f.OpenSite();
  auto& commands = f.doc->Commands();
  using namespace command;
  const auto enabled = [&](int id) { return commands.State(id).value_or(CommandState{}).enabled; };

  EXPECT_FALSE(commands.State(kNew));  // the application's
  for (int entry = 0; entry < kRecentFileCount; ++entry) EXPECT_FALSE(enabled(kRecentFile + entry));
  EXPECT_FALSE(commands.Run(kRecentFile));
  for (int id : {kSave, kSaveAs, kAddProject, kSiteMap, kProjectManager, kToggleFilters, kMigration, kArrangeIcons})
    EXPECT_TRUE(enabled(id)) << id;

  // Commands carried out elsewhere wait for their handler; the conversion only for baselines.
  EXPECT_FALSE(enabled(kExportDxf));
  EXPECT_FALSE(enabled(kConvertToGps));
  int conversions = 0;
  commands.SetHandler(kExportDxf, [] {});
  commands.SetHandler(kConvertToGps, [&] { ++conversions; });
  EXPECT_TRUE(enabled(kExportDxf));
  EXPECT_TRUE(commands.Run(kConvertToGps));
  f.doc->project.version = 2;
  EXPECT_FALSE(enabled(kConvertToGps));
  EXPECT_FALSE(commands.Run(kConvertToGps));
  EXPECT_EQ(conversions, 1);

  struct FilterCase {
    int currentSet;
    bool emptySet;
    bool enabled;
  };
  for (const auto& c : {FilterCase{0, false, true}, FilterCase{1, false, true}, FilterCase{2, false, false},
                        FilterCase{-1, false, false}, FilterCase{1, true, false}}) {
    f.doc->state.currentSet = c.currentSet;
    if (c.emptySet) f.doc->project.sets[1]->profiles.clear();
    EXPECT_EQ(enabled(kEditFilterList), c.enabled) << c.currentSet << c.emptySet;
  }
}

TEST(CTarvixDocCommandsTest, SiteMapTogglesTheFrameAndTilesWhenShowing) {
  DocumentFixture f;
  auto& commands = f.doc->Commands();
  const auto checked = [&] { return commands.State(command::kSiteMap)->checked; };
  EXPECT_FALSE(checked());
  const EventLog steps[] = {{"create map", "tile"}, {"hide map"}, {"show map", "tile"}};
  const bool checks[] = {true, false, true};
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    f.host.log.clear();
    EXPECT_TRUE(commands.Run(command::kSiteMap));
    EXPECT_EQ(f.host.log, steps[i]) << i;
    EXPECT_EQ(checked(), checks[i]) << i;
  }
  f.doc->MapFrameDestroyed();
  EXPECT_FALSE(checked());
  f.host.windows.mapFrameFails = true;
  f.host.log.clear();
  commands.Run(command::kSiteMap);
  EXPECT_EQ(f.host.log, EventLog{"create map"});
  EXPECT_FALSE(checked());
}

TEST(CTarvixDocCommandsTest, ShowMapAtOpenFollowsTheStoredSetting) {
  struct Case {
    std::optional<int> stored;
    EventLog log;
    int shown;
  };
  const Case cases[] = {{std::nullopt, {"create map"}, 1}, {1, {"create map"}, 1}, {0, {}, 0}};
  for (const auto& c : cases) {
    DocumentFixture f;
    if (c.stored) f.app.store.WriteInt("MapVisible", *c.stored);
    EXPECT_TRUE(f.doc->ShowMapAtOpen());
    EXPECT_EQ(f.host.log, c.log);
    EXPECT_EQ(f.doc->mapShown, c.shown);
    EXPECT_EQ(f.doc->mapVisibleAtOpen, c.stored.value_or(1));
  }
}

TEST(CTarvixDocCommandsTest, ViewCommandsReachTheRightViewsInOrder) {
  struct Case {
    const char* name;
    std::function<void(CTarvixDoc&)> run;
    EventLog log;
  };
  const Case cases[] = {
      {"refresh profile views", [](CTarvixDoc& d) { d.RefreshProfileViews(); },
       {"first reload", "first scroll bars", "first repaint", "second reload", "second scroll bars",
        "second repaint"}},
      {"repaint maps", [](CTarvixDoc& d) { d.RepaintMapViews(false); }, {"map repaint"}},
      {"refit maps", [](CTarvixDoc& d) { d.RepaintMapViews(true); }, {"map initial update", "map repaint"}},
      {"migration", [](CTarvixDoc& d) { d.Commands().Run(command::kMigration); },
       {"first reload", "first repaint"}},
      {"filters", [](CTarvixDoc& d) { d.Commands().Run(command::kToggleFilters); },
       {"first toggle filters", "first repaint", "second toggle filters", "second repaint", "first reload",
        "first scroll bars", "first repaint", "second reload", "second scroll bars", "second repaint"}},
      {"arrange", [](CTarvixDoc& d) { d.Commands().Run(command::kArrangeIcons); }, {"tile"}},
      {"update", [](CTarvixDoc& d) { d.UpdateAllViews(1); }, {"first update 1", "map update 1", "second update 1"}},
  };
  for (const auto& c : cases) {
    DocumentFixture f;
    testing::RecordingProfileView first(f.host.log, "first");
    testing::RecordingProfileView second(f.host.log, "second");
    testing::RecordingMapView map(f.host.log);
    f.doc->AttachView(first);
    f.doc->AttachView(map);
    f.doc->AttachView(second);
    f.doc->AttachView(first);  // once only
    c.run(*f.doc);
    EXPECT_EQ(f.host.log, c.log) << c.name;
  }
  DocumentFixture f;
  EXPECT_FALSE(f.doc->state.migrationOn);
  f.doc->Commands().Run(command::kMigration);
  EXPECT_TRUE(f.doc->Commands().State(command::kMigration)->checked);
}

TEST(CTarvixDocCommandsTest, ProjectManagerEditsTheOpenProjectAndRedrawsEitherWay) {
  for (const bool ok : {true, false}) {
    DocumentFixture f;
    f.OpenSite();
    f.app.settings().CurDir = "old/";
    testing::RecordingProfileView profile(f.host.log);
    testing::RecordingMapView map(f.host.log);
    f.doc->AttachView(profile);
    f.doc->AttachView(map);
    f.app.ui.Dialog("CProjMngr", [&](DialogModel& model) {
      auto& manager = static_cast<CProjMngr&>(model);
      EXPECT_EQ(manager.mode, CProjMngr::kEditProject);
      EXPECT_TRUE(manager.typeFixed);
      EXPECT_EQ(manager.projectName, f.folder + "site");
      if (!ok) return false;
      manager.document.project.sets.pop_back();
      return manager.OnOK();
    });
    f.doc->Commands().Run(command::kProjectManager);
    const EventLog redraw = {"profile reload", "profile scroll bars", "profile repaint", "map repaint"};
    EventLog expected = ok ? EventLog{"title"} : EventLog{};
    expected.insert(expected.end(), redraw.begin(), redraw.end());
    EXPECT_EQ(f.host.log, expected) << ok;
    EXPECT_EQ(f.app.settings().CurDir, ok ? f.folder : "old/") << ok;
    EXPECT_EQ(f.doc->state.profileShift.size(), ok ? 1u : 2u) << ok;
  }
}

TEST(CTarvixDocCommandsTest, ProjectManagerRefusesAnEmptyName) {
  DocumentFixture f;
  for (const char* name : {"", "folder/"}) {
    CProjMngr manager(*f.doc, name, CProjMngr::kNewProject);
    EXPECT_FALSE(manager.OnOK()) << name;
  }
  EXPECT_EQ(f.app.ui.MessageTexts(), std::vector<std::string>(2, "You have to set Project Name!"));
  EXPECT_EQ(f.app.ui.messages[0].caption, "ERROR");
  EXPECT_TRUE(f.doc->GetPathName().empty());
}

}  // namespace
}  // namespace tarvix
