#include "app/CTarvixApp.h"

#include <filesystem>

#include "app/AppFixture.h"
#include "app/CMyPropertySheet.h"
#include "document/CProjMngr.h"

namespace tarvix {
namespace {

using testing::AppFixture;
using testing::EventLog;
using testing::ReadFileBytes;
namespace fs = std::filesystem;

const char* const kWillClose = "Current project will be closed!";
const char* const kSaveQuestion = "Save changes to the current project?";
const char* const kFormatChanged = "File format was changed. Opened project will be closed!";

using Texts = std::vector<std::string>;

bool NewProject(DialogModel& model) {
  auto& manager = static_cast<CProjMngr&>(model);
  manager.document.project.sets.push_back(std::make_unique<KRadarProfileSet>());
  return manager.OnOK();
}

TEST(CTarvixAppTest, NewWithAModifiedProjectWarnsAsksAndClosesItWhateverTheAnswer) {
  AppFixture f;
  f.OpenSite().SetModifiedFlag();
  f.app.settings().CurDir = f.folder;
  f.app.ui.Answer(MessageAnswer::Cancel);
  f.app.ui.Dialog("CProjMngr", [](DialogModel&) { return false; });
  EXPECT_TRUE(f.tarvix.Run(command::kNew));

  EXPECT_EQ(f.app.ui.MessageTexts(), (Texts{kWillClose, kSaveQuestion}));
  const auto& warning = f.app.ui.messages[0];
  EXPECT_EQ(warning.caption, "Warning");
  EXPECT_EQ(warning.icon, MessageIcon::Warning);
  EXPECT_EQ(warning.buttons, MessageButtons::Ok);
  EXPECT_EQ(f.tarvix.Document(), nullptr);  // closed unsaved, and the new one was cancelled
  EXPECT_EQ(f.log, EventLog{"close windows"});
  EXPECT_EQ(f.tarvix.MarkerList().Document(), nullptr);

  f.app.ui.Dialog("CProjMngr", NewProject);
  f.tarvix.Run(command::kNew);
  ASSERT_NE(f.tarvix.Document(), nullptr);
  EXPECT_EQ(f.tarvix.Document()->GetPathName(), f.folder + "Project0.tvx");
  EXPECT_EQ(f.app.ui.messages.size(), 2u);  // no project was open
  EXPECT_EQ(f.log, (EventLog{"close windows", "open windows"}));
}

TEST(CTarvixAppTest, OpenWarnsBeforeTheFileDialogAndItsCancelLeavesNoProject) {
  struct Case {
    const char* name;
    bool projectOpen;
    bool modified;
    std::vector<MessageAnswer> answers;
    bool fileDialogShown;
    bool chooseSite;
    Texts messages;
    bool projectAfter;
  };
  const Case cases[] = {
      {"no project, file chosen", false, false, {}, true, true, {}, true},
      {"warning cancelled", true, false, {MessageAnswer::Cancel}, false, false, {kWillClose}, true},
      {"file dialog cancelled", true, false, {MessageAnswer::Ok}, true, false, {kWillClose}, false},
      {"modified, not saved, cancelled", true, true, {MessageAnswer::Ok, MessageAnswer::No}, true, false,
       {kWillClose, kSaveQuestion}, false},
  };
  for (const auto& c : cases) {
    AppFixture f;
    if (c.projectOpen) f.OpenSite().SetModifiedFlag(c.modified);
    const auto* before = f.tarvix.Document();
    for (auto answer : c.answers) f.app.ui.Answer(answer);
    if (c.fileDialogShown) f.app.ui.OpenFile(c.chooseSite ? std::optional(f.sitePath) : std::nullopt);
    f.tarvix.OnFileOpen();

    EXPECT_EQ(f.app.ui.MessageTexts(), c.messages) << c.name;
    if (!c.messages.empty()) {
      EXPECT_EQ(f.app.ui.messages[0].buttons, MessageButtons::OkCancel);
    }
    ASSERT_EQ(f.app.ui.fileDialogs.size(), c.fileDialogShown ? 1u : 0u) << c.name;
    if (c.fileDialogShown) {
      const auto& request = f.app.ui.fileDialogs[0];
      EXPECT_EQ(request.filter, "Tarvix project files (*.tvx)|*.tvx|All files (*.*)|*.*||");
      EXPECT_EQ(request.defaultExtension, "");
      EXPECT_EQ(request.initialName, "");
    }
    EXPECT_EQ(f.tarvix.Document() != nullptr, c.projectAfter) << c.name;
    if (c.projectOpen && c.projectAfter) {
      EXPECT_EQ(f.tarvix.Document(), before) << c.name;
    }
    if (c.chooseSite) {
      EXPECT_EQ(f.tarvix.Document()->GetPathName(), f.sitePath);
      EXPECT_EQ(f.tarvix.RecentFiles().Entries(), Texts{f.sitePath});
      EXPECT_EQ(f.log, EventLog{"open windows"});
    }
  }
}

TEST(CTarvixAppTest, RecentFilesOpenWhileNoProjectIsOpenAndDropFilesThatFail) {
  AppFixture f;
  f.recentStore.paths = {f.folder + "gone.tvx", f.sitePath};
  f.tarvix.InitInstance();
  using command::kRecentFile;
  EXPECT_TRUE(f.tarvix.State(kRecentFile + 1).enabled);
  EXPECT_FALSE(f.tarvix.State(kRecentFile + 2).enabled);

  EXPECT_TRUE(f.tarvix.Run(kRecentFile));
  EXPECT_EQ(f.app.ui.MessageTexts(), Texts{"Cannot open project file."});
  EXPECT_EQ(f.tarvix.RecentFiles().Entries(), Texts{f.sitePath});
  EXPECT_TRUE(f.tarvix.Run(kRecentFile));
  ASSERT_NE(f.tarvix.Document(), nullptr);
  EXPECT_FALSE(f.tarvix.State(kRecentFile).enabled);  // one project at a time
  EXPECT_FALSE(f.tarvix.Run(kRecentFile));
}

TEST(CTarvixAppTest, RecentFileListKeepsTheFourNewestOnce) {
  RecentFileList list;
  for (const char* path : {"a", "b", "c", "d", "e", "c", ""}) list.Add(path);
  EXPECT_EQ(list.Entries(), (Texts{"c", "e", "d", "b"}));
  list.Remove(1);
  list.Remove(9);
  EXPECT_EQ(list.Entries(), (Texts{"c", "d", "b"}));
  testing::MemoryRecentFileStore store;
  store.paths = {"x", "", "y", "x", "z", "w", "v"};
  list.Load(store);
  EXPECT_EQ(list.Entries(), (Texts{"x", "y", "z", "w"}));
}

TEST(CTarvixAppTest, OptionsFillTheSheetFromTheSettingsAndTheOpenProject) {
  struct Case {
    const char* name;
    int project;  // 0 none, 1 baseline, 2 GPS
    double antennaHeight;
    bool orientationAllowed;
  };
  const Case cases[] = {{"no project", 0, 0, true}, {"baselines", 1, 2.5, true}, {"GPS", 2, 0, false}};
  for (const auto& c : cases) {
    AppFixture f;
    auto& s = f.app.settings();
    s.MaxProfile = 7;
    s.ZeroLevel = 12;
    s.Velocity = 110.5;
    s.VertScale = 1;
    s.ProfOrder = 1;
    s.ProfSize = 2;
    s.TitleFlag = 1;
    s.TitleText = "Site";
    s.CoordOrder = 1;
    s.markerTypeNames[6] = "Seventh";
    if (c.project == 1) {
      auto& doc = f.OpenSite();
      doc.project.sets[0]->profiles[0]->header.gpsHeight = 1.5;
      doc.project.sets[1]->profiles[0]->header.gpsHeight = 2.5;
    }
    if (c.project == 2) {
      ASSERT_TRUE(f.tarvix.OpenDocumentFile(f.projects.GpsProject("gps", {})));
    }
    f.app.ui.Dialog("CMyPropertySheet", [&](DialogModel& model) {
      auto& sheet = static_cast<CMyPropertySheet&>(model);
      EXPECT_EQ(sheet.ActivePage(), 0);
      const auto& gpr = sheet.profiles;
      EXPECT_EQ(gpr.maxProfile, 7);
      EXPECT_EQ(gpr.zeroLevel, 12);
      EXPECT_EQ(gpr.velocity, 110.5);
      EXPECT_EQ(gpr.vertScale, 1);
      EXPECT_EQ(gpr.profOrder, 1);
      EXPECT_EQ(gpr.profSize, 2);
      EXPECT_EQ(gpr.gpsHeight, c.antennaHeight) << c.name;
      EXPECT_EQ(sheet.general.titleFlag, 1);
      EXPECT_EQ(sheet.general.titleText, "Site");
      EXPECT_EQ(sheet.general.coordOrder, 1);
      EXPECT_EQ(sheet.general.IsOrientationEnabled(), c.orientationAllowed) << c.name;
      EXPECT_EQ(sheet.markers.names[6], "Seventh");
      return false;
    });
    f.tarvix.Run(command::kOptions);
    EXPECT_EQ(f.app.ui.dialogsRun, Texts{"CMyPropertySheet"});
  }
}

TEST(CTarvixAppTest, OptionsOkRewritesHeadersReordersAndRedrawsTheProject) {
  AppFixture f;
  f.OpenSite();
  f.app.ui.Dialog("CMyPropertySheet", [](DialogModel& model) {
    auto& sheet = static_cast<CMyPropertySheet&>(model);
    sheet.profiles.profOrder = 1;
    sheet.profiles.gpsHeight = 3.25;
    sheet.profiles.maxProfile = 6;
    sheet.general.orientation = 1;
    sheet.general.units = 1;
    sheet.markers.names[0] = "Pipe";
    return sheet.PressOk();
  });
  f.tarvix.OnOptions();

  const auto& s = f.app.settings();
  EXPECT_EQ(s.ProfOrder, 1);
  EXPECT_EQ(s.MaxProfile, 6);
  EXPECT_EQ(s.Orientation, 1);
  EXPECT_EQ(s.Units, 1);
  EXPECT_EQ(s.markerTypeNames[0], "Pipe");
  auto& doc = *f.tarvix.Document();
  EXPECT_EQ(fs::path(doc.project.sets[0]->profiles[0]->GetDataPath()).stem(), "a2");
  for (const char* name : {"a1", "a2", "b1"})
    EXPECT_NE(ReadFileBytes(f.folder + name + ".rad").find("TX_GPS_HEIGHT:3.250"), std::string::npos) << name;
  EXPECT_EQ(f.log, (EventLog{"profile reload", "profile scroll bars", "profile repaint", "map repaint",
                             "profile initial update", "map initial update"}));
  EXPECT_TRUE(f.app.store.WriteLog().empty());  // settings are stored at exit
  EXPECT_TRUE(f.app.ui.messages.empty());
}

TEST(CTarvixAppTest, ADataSizeChangeClosesTheProjectAndStoresTheSettingsAtOnce) {
  struct Case {
    const char* name;
    bool projectOpen;
    bool modified;
    Texts messages;
  };
  const Case cases[] = {
      {"modified project, save cancelled", true, true, {kFormatChanged, kSaveQuestion}},
      {"unmodified project", true, false, {kFormatChanged}},
      {"no project", false, false, {}},
  };
  for (const auto& c : cases) {
    AppFixture f;
    if (c.projectOpen) f.OpenSite().SetModifiedFlag(c.modified);
    if (c.modified) f.app.ui.Answer(MessageAnswer::Cancel);
    f.app.ui.Dialog("CMyPropertySheet", [](DialogModel& model) {
      auto& sheet = static_cast<CMyPropertySheet&>(model);
      sheet.profiles.profSize = 1;
      sheet.general.units = 1;
      return sheet.PressOk();
    });
    f.tarvix.OnOptions();

    EXPECT_EQ(f.app.ui.MessageTexts(), c.messages) << c.name;
    if (c.projectOpen) {
      EXPECT_EQ(f.app.ui.messages[0].caption, "Warning");
      EXPECT_EQ(f.app.ui.messages[0].icon, MessageIcon::Error);
    }
    EXPECT_EQ(f.tarvix.Document(), nullptr) << c.name;
    EXPECT_EQ(f.app.store.ReadInt("ProfSize"), 1) << c.name;
    EXPECT_EQ(f.app.store.ReadInt("Units"), 1) << c.name;
    EXPECT_FALSE(f.app.context.is32BitData) << c.name;
    EXPECT_EQ(f.log, c.projectOpen ? EventLog{"close windows"} : EventLog{}) << c.name;
  }
}

TEST(CTarvixAppTest, OptionsCancelChangesNothing) {
  AppFixture f;
  f.OpenSite();
  const std::string header = ReadFileBytes(f.folder + "a1.rad");
  f.app.ui.Dialog("CMyPropertySheet", [](DialogModel& model) {
    auto& sheet = static_cast<CMyPropertySheet&>(model);
    sheet.general.units = 1;
    sheet.SelectPage(1);
    sheet.profiles.profSize = 1;
    sheet.profiles.gpsHeight = 9;
    sheet.profiles.maxProfile = 2;
    return false;
  });
  f.tarvix.OnOptions();
  EXPECT_EQ(f.app.settings().Units, 0);
  EXPECT_EQ(f.app.settings().MaxProfile, 4);
  EXPECT_EQ(f.app.settings().ProfSize, 0);
  EXPECT_NE(f.tarvix.Document(), nullptr);
  EXPECT_EQ(ReadFileBytes(f.folder + "a1.rad"), header);
  EXPECT_TRUE(f.app.store.WriteLog().empty());
  EXPECT_TRUE(f.log.empty());
}

TEST(CTarvixAppTest, ChangePaletteEditsTheSettingsRecordAndRepaints) {
  AppFixture f;
  f.tarvix.InitInstance();
  f.OpenSite();
  EXPECT_TRUE(f.tarvix.Run(command::kChangePalette));
  EXPECT_EQ(f.palette.edited, &f.app.settings().Palette);
  EXPECT_EQ(f.palette.directory, f.app.context.startupDirectory);
  EXPECT_EQ(f.app.settings().Palette.gain, 2.5f);
  EXPECT_EQ(f.log, (EventLog{"profile update 0", "map update 0"}));

  CTarvixApp withoutEditor;
  EXPECT_FALSE(withoutEditor.State(command::kChangePalette).enabled);
  EXPECT_FALSE(withoutEditor.Run(command::kChangePalette));
}

TEST(CTarvixAppTest, StartUpReadsTheStoreAndExitWritesItOnce) {
  AppFixture f;
  f.app.store.WriteInt("ProfSize", 1);
  f.app.store.WriteInt("Units", 1);
  f.app.store.ClearWriteLog();
  f.recentStore.paths = {f.sitePath};
  f.tarvix.InitInstance();
  EXPECT_EQ(f.app.settings().Units, 1);
  EXPECT_FALSE(f.app.context.is32BitData);
  EXPECT_EQ(f.app.context.startupDirectory, fs::current_path().string());
  EXPECT_EQ(f.tarvix.RecentFiles().Entries(), Texts{f.sitePath});

  f.app.settings().ProfSize = 0;  // the project's files are 32-bit
  f.app.context.is32BitData = true;
  f.OpenSite().SetModifiedFlag();
  f.app.ui.Answer(MessageAnswer::Cancel);
  f.tarvix.Run(command::kExit);
  EXPECT_NE(f.tarvix.Document(), nullptr);  // the user went back to the project
  EXPECT_TRUE(f.app.store.WriteLog().empty());

  f.app.ui.Answer(MessageAnswer::No);
  EXPECT_TRUE(f.tarvix.OnAppExit());
  EXPECT_EQ(f.tarvix.Document(), nullptr);
  EXPECT_EQ(f.app.ui.MessageTexts(), (Texts{kSaveQuestion, kSaveQuestion}));
  const auto& written = f.app.store.WriteLog();
  for (const char* name : {"ZeroLevel", "ProfSize", "Velocity", "Palette", "CurDir", "Type #13"})
    EXPECT_EQ(std::count(written.begin(), written.end(), name), 1) << name;
  EXPECT_EQ(f.recentStore.saves, 1);
}

TEST(CTarvixAppTest, CloseKeepsTheProjectWhenTheSaveQuestionIsCancelled) {
  AppFixture f;
  EXPECT_FALSE(f.tarvix.State(command::kClose).enabled);
  for (auto id : {command::kNew, command::kOpen, command::kOptions, command::kExit})
    EXPECT_TRUE(f.tarvix.State(id).enabled) << id;
  f.OpenSite().SetModifiedFlag();
  EXPECT_TRUE(f.tarvix.State(command::kSave).enabled);
  f.app.ui.Answer(MessageAnswer::Cancel).Answer(MessageAnswer::No);
  EXPECT_TRUE(f.tarvix.Run(command::kClose));
  EXPECT_NE(f.tarvix.Document(), nullptr);
  EXPECT_TRUE(f.tarvix.Run(command::kClose));
  EXPECT_EQ(f.tarvix.Document(), nullptr);
  EXPECT_EQ(f.app.ui.MessageTexts(), (Texts{kSaveQuestion, kSaveQuestion}));
}

}  // namespace
}  // namespace tarvix
