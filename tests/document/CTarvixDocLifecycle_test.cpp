#include <filesystem>
#include <functional>

#include "document/CProjMngr.h"
#include "document/DocumentFixture.h"
#include "support/FailingDisk.h"

namespace tarvix {
namespace {

using testing::DocumentFixture;
using testing::ReadFileBytes;
using testing::WriteFileBytes;
namespace fs = std::filesystem;

const char* const kSaveQuestion = "Save changes to the current project?";

std::string FirstProfileName(const CTarvixDoc& doc, std::size_t set) {
  return fs::path(doc.project.sets.at(set)->profiles.at(0)->GetDataPath()).stem().string();
}

TEST(CTarvixDocTest, NextProjectNumberIsOneAboveTheLargestNumberFound) {
  struct Case {
    std::vector<const char*> files;
    int expected;
  };
  const Case cases[] = {
      {{"Project.tvx", "Project2.tvx", "Project7b.tvx"}, 8},  // numbers read: 0, 2, 7
      {{}, 0},
      {{"Project.tvx"}, 1},
      {{"Project9.rad", "MyProject5.tvx", "Projectile.tvx"}, 1},  // only "ile", read as 0, matches
  };
  for (const auto& c : cases) {
    testing::TempDir dir;
    for (const char* name : c.files) WriteFileBytes(dir.File(name), "");
    EXPECT_EQ(CTarvixDoc::NextProjectNumber(dir.Path().string() + "/", "Project", ".tvx"), c.expected)
        << c.files.size() << " files";
  }
}

TEST(CTarvixDocTest, NewProposesTheNextNameAndTakesTheProjectTheManagerBuilt) {
  DocumentFixture f;
  for (const char* name : {"Project.tvx", "Project2.tvx", "Project7b.tvx"}) WriteFileBytes(f.folder + name, "");
  f.app.settings().CurDir = f.folder;
  f.app.settings().ProfOrder = 1;
  std::string proposed;
  f.app.ui.Dialog("CProjMngr", [&](DialogModel& model) {
    auto& manager = static_cast<CProjMngr&>(model);
    proposed = manager.projectName;
    EXPECT_EQ(manager.mode, CProjMngr::kNewProject);
    EXPECT_FALSE(manager.typeFixed);
    EXPECT_EQ(manager.document.project.basePath, proposed);
    auto& project = manager.document.project;
    project.sets.push_back(std::make_unique<KRadarProfileSet>());
    EXPECT_TRUE(project.sets[0]->AddBaseLineProfile(f.folder + "a1", {}, {}, 0, 270, 1));
    EXPECT_TRUE(project.sets[0]->AddBaseLineProfile(f.folder + "a2", {}, {}, 0, 270, 2));
    manager.projectName = f.folder + "made/Survey";
    return manager.OnOK();
  });

  ASSERT_TRUE(f.doc->OnNewDocument());
  EXPECT_EQ(proposed, f.folder + "Project8");
  EXPECT_EQ(fs::current_path(), fs::path(f.folder).parent_path());
  EXPECT_TRUE(f.doc->IsModified());
  EXPECT_EQ(f.doc->loaded, 1);
  EXPECT_EQ(f.doc->GetPathName(), f.folder + "made/Survey.tvx");
  EXPECT_EQ(f.doc->project.basePath, f.folder + "made/Survey");
  EXPECT_TRUE(f.host.recentFiles.empty());
  EXPECT_EQ(f.app.settings().CurDir, f.folder + "made/");
  EXPECT_EQ(FirstProfileName(*f.doc, 0), "a2");  // the configured descending order
  EXPECT_EQ(f.doc->state.crossingColumn.size(), 1u);
  EXPECT_EQ(f.host.list.Document(), f.doc.get());
}

TEST(CTarvixDocTest, NewWithoutAFolderStartsInTheCurrentOneAndFailsWithoutAUsableProject) {
  struct Case {
    const char* name;
    std::function<bool(CProjMngr&)> manager;
  };
  const Case cases[] = {
      {"cancelled", [](CProjMngr&) { return false; }},
      {"a baseline profile without data cannot be aligned",
       [](CProjMngr& manager) {
         manager.document.project.sets.push_back(std::make_unique<KRadarProfileSet>());
         manager.document.project.sets[0]->profiles.push_back(std::make_unique<KBaseLineProfile>());
         return manager.OnOK();
       }},
  };
  for (const auto& c : cases) {
    DocumentFixture f;
    fs::current_path(f.dir.Path());
    std::string proposed;
    f.app.ui.Dialog("CProjMngr", [&](DialogModel& model) {
      auto& manager = static_cast<CProjMngr&>(model);
      proposed = manager.projectName;
      return c.manager(manager);
    });
    EXPECT_FALSE(f.doc->OnNewDocument()) << c.name;
    EXPECT_EQ(f.doc->loaded, 0) << c.name;
    EXPECT_EQ(f.app.settings().CurDir, fs::current_path().string() + "/") << c.name;
    EXPECT_EQ(proposed, fs::current_path().string() + "/Project0") << c.name;
  }
}

TEST(CTarvixDocTest, OpenSortsAlignsAndReportsAnUnreadableFile) {
  struct Case {
    const char* file;
    int profOrder;
    bool opens;
    const char* firstProfile;
  };
  const Case cases[] = {
      {"site.tvx", 0, true, "a1"},
      {"site.tvx", 1, true, "a2"},
      {"missing.tvx", 0, false, ""},
  };
  for (const auto& c : cases) {
    DocumentFixture f;
    f.app.settings().ProfOrder = c.profOrder;
    EXPECT_EQ(f.doc->OnOpenDocument(f.folder + c.file), c.opens) << c.file;
    EXPECT_EQ(f.doc->loaded, c.opens ? 1 : 0);
    if (!c.opens) {
      ASSERT_EQ(f.app.ui.messages.size(), 1u);
      EXPECT_EQ(f.app.ui.messages[0].text, "Cannot open project file.");
      EXPECT_EQ(f.app.ui.messages[0].caption, "Error");
      EXPECT_EQ(f.app.ui.messages[0].icon, MessageIcon::Error);
      continue;
    }
    EXPECT_TRUE(f.app.ui.messages.empty());
    EXPECT_EQ(FirstProfileName(*f.doc, 0), c.firstProfile);
    EXPECT_EQ(f.doc->state.profileShift.size(), 2u);
    EXPECT_EQ(f.doc->state.profileShift[0].size(), 2u);
    EXPECT_FALSE(f.doc->IsModified());
  }
}

TEST(CTarvixDocTest, SaveAsGivesTheDocumentTheFileItWroteAndTheNextSaveWritesItAgain) {
  DocumentFixture f;
  f.OpenSite();
  f.doc->SetPathName(f.sitePath, false);
  f.doc->SetModifiedFlag();
  fs::create_directory(f.folder + "X");
  f.app.ui.SaveFile(f.folder + "X/Name.TVX");

  f.doc->OnFileSaveAs();
  const std::string written = f.folder + "X/Name.tvx";
  ASSERT_EQ(f.app.ui.fileDialogs.size(), 1u);
  EXPECT_EQ(f.app.ui.fileDialogs[0].defaultExtension, "tvx");
  EXPECT_EQ(f.app.ui.fileDialogs[0].initialName, f.folder + "site");
  EXPECT_TRUE(f.app.ui.fileDialogs[0].overwritePrompt);
  EXPECT_TRUE(fs::exists(written));
  EXPECT_FALSE(fs::exists(f.folder + "X/Name.TVX"));
  EXPECT_EQ(f.doc->GetPathName(), written);
  EXPECT_EQ(f.host.recentFiles, std::vector<std::string>{written});
  EXPECT_FALSE(f.doc->IsModified());
  EXPECT_EQ(f.doc->project.basePath, f.folder + "site");  // until the next Save
  EXPECT_EQ(f.host.log, testing::EventLog{"title"});

  WriteFileBytes(written, "stale");
  static_cast<KBaseLineProfile&>(f.Profile(1, 0)).xDist2Base = 12.5;
  f.doc->SetModifiedFlag();
  ASSERT_TRUE(f.doc->DoFileSave());
  EXPECT_EQ(f.app.ui.fileDialogs.size(), 1u);  // the path was writable: no dialog
  EXPECT_EQ(f.doc->project.basePath, f.folder + "X/Name");
  EXPECT_NE(ReadFileBytes(written).find("X_DIST2BASE:12.500"), std::string::npos);
  EXPECT_FALSE(f.doc->IsModified());
}

TEST(CTarvixDocTest, SaveWithoutAFileOnDiskAsksWhereToSave) {
  for (const bool hasPath : {false, true}) {
    DocumentFixture f;
    f.OpenSite();
    f.doc->project.basePath = f.folder + "Project3";
    if (hasPath) f.doc->SetPathName(f.folder + "Project3.tvx", false);  // set by the Project Manager
    f.app.ui.SaveFile(f.folder + "Chosen.tvx");
    ASSERT_TRUE(f.doc->DoFileSave()) << hasPath;
    ASSERT_EQ(f.app.ui.fileDialogs.size(), 1u);
    EXPECT_EQ(f.app.ui.fileDialogs[0].filter, "Tarvix project Files (*.tvx)|*.tvx||");
    EXPECT_EQ(f.app.ui.fileDialogs[0].initialName, f.folder + (hasPath ? "Project3.tvx" : "Project3"));
    EXPECT_TRUE(fs::exists(f.folder + "Chosen.tvx"));
    EXPECT_EQ(f.doc->GetPathName(), f.folder + "Chosen.tvx");
    EXPECT_EQ(f.host.recentFiles, std::vector<std::string>{f.folder + "Chosen.tvx"});
  }
}

TEST(CTarvixDocTest, SaveModifiedFollowsTheAnswer) {
  struct Case {
    bool modified;
    std::optional<MessageAnswer> answer;
    bool result;
    bool stillModified;
    bool written;
  };
  const Case cases[] = {
      {false, std::nullopt, true, false, false},
      {true, MessageAnswer::Yes, true, false, true},
      {true, MessageAnswer::No, true, false, false},
      {true, MessageAnswer::Cancel, false, true, false},
  };
  for (const auto& c : cases) {
    DocumentFixture f;
    f.OpenSite();
    f.doc->SetPathName(f.sitePath, false);
    const auto before = ReadFileBytes(f.sitePath);
    WriteFileBytes(f.sitePath, before + "\r\n");  // any save rewrites this
    f.doc->SetModifiedFlag(c.modified);
    if (c.answer) f.app.ui.Answer(*c.answer);
    EXPECT_EQ(f.doc->SaveModified(), c.result);
    EXPECT_EQ(f.doc->IsModified(), c.stillModified);
    EXPECT_EQ(ReadFileBytes(f.sitePath) != before + "\r\n", c.written);
    ASSERT_EQ(f.app.ui.messages.size(), c.answer ? 1u : 0u);
    if (c.answer) {
      EXPECT_EQ(f.app.ui.messages[0].text, kSaveQuestion);
      EXPECT_EQ(f.app.ui.messages[0].buttons, MessageButtons::YesNoCancel);
    }
  }
}

TEST(CTarvixDocTest, CloseAsksOnceClosesWhateverTheAnswerAndResetsTheDataWidth) {
  DocumentFixture f;
  f.OpenSite();
  f.doc->SetModifiedFlag();
  f.app.settings().ProfSize = 1;
  f.app.context.is32BitData = true;
  f.app.ui.Answer(MessageAnswer::Cancel);
  f.doc->OnCloseDocument();
  EXPECT_EQ(f.app.ui.MessageTexts(), std::vector<std::string>{kSaveQuestion});
  EXPECT_FALSE(f.app.context.is32BitData);
  EXPECT_EQ(f.host.list.Document(), f.doc.get());
  f.doc.reset();
  EXPECT_EQ(f.host.list.Document(), nullptr);
  EXPECT_EQ(f.host.list.RowCount(), 0);
}

// A save that cannot write must say so and keep the changes, so the user can save elsewhere.
TEST(CTarvixDocTest, AFailedSaveIsReportedAndTheDocumentStaysModified) {
  using Runner = std::function<bool(const std::function<bool()>&)>;
  struct Case {
    const char* name;
    bool readOnlyFolder;
    Runner run;
  };
  const Case cases[] = {
      {"read-only folder", true, [](const std::function<bool()>& save) { return testing::InReadOnlyProcess(save); }},
      {"full disk", false,
       [](const std::function<bool()>& save) {
         bool result = false;
         testing::WithFullDisk(16, [&] { result = save(); });
         return result;
       }},
  };
  for (const auto& c : cases) {
    DocumentFixture f;
    f.OpenSite();
    f.doc->SetPathName(f.sitePath, false);
    f.AddMarker(0, 0, 2, "new");
    f.doc->SetModifiedFlag();
    const std::string before = ReadFileBytes(f.sitePath);
    const auto filesBefore = std::distance(fs::directory_iterator(f.dir.Path()), fs::directory_iterator());
    f.app.ui.Answer(MessageAnswer::Yes).Answer(MessageAnswer::No);
    if (c.readOnlyFolder) {
      // Anybody may write the file itself, but no new file can be made beside it.
      fs::permissions(f.sitePath, fs::perms(0666));
      fs::permissions(f.dir.Path(), fs::perms(0555));
    }
    const bool held = c.run([&] {
      const bool saved = f.doc->SaveModified();
      const auto& shown = f.app.ui.messages;
      const bool reported = shown.size() == 2 && shown[1].text == "Cannot save project:\n" + f.sitePath &&
                            shown[1].caption == "Error" && shown[1].icon == MessageIcon::Error;
      const bool keptChanges = f.doc->IsModified() && f.Comments() == std::vector<std::string>{"new"};
      // Closing still offers to save.
      f.doc->SaveModified();
      return !saved && reported && keptChanges && shown.size() == 3 && shown[2].text == kSaveQuestion;
    });
    fs::permissions(f.dir.Path(), fs::perms(0755));
    EXPECT_TRUE(held) << c.name;
    EXPECT_EQ(ReadFileBytes(f.sitePath), before) << c.name;
    EXPECT_EQ(std::distance(fs::directory_iterator(f.dir.Path()), fs::directory_iterator()), filesBefore) << c.name;
  }
}

}  // namespace
}  // namespace tarvix
