#pragma once
#include <gtest/gtest.h>

#include <map>

#include "app/AppWindows.h"
#include "app/CTarvixApp.h"
#include "app/PaletteEditor.h"
#include "app/RecentFileStore.h"
#include "document/CTarvixDoc.h"
#include "document/RecordingViews.h"
#include "support/ProjectBuilder.h"
#include "support/ScopedCurrentDirectory.h"
#include "support/SurveyBuilder.h"
#include "support/TempDir.h"
#include "support/TestApp.h"

namespace tarvix::testing {

// The main window: a profile view and a site map view for each document opened.
class RecordingAppWindows : public RecordingWindowsOf<AppWindows> {
 public:
  using RecordingWindowsOf::RecordingWindowsOf;
  void OpenDocumentWindows(CTarvixDoc& document) override {
    log_.push_back("open windows");
    document.AttachView(profile);
    document.AttachView(map);
  }
  void CloseDocumentWindows(CTarvixDoc& document) override {
    log_.push_back("close windows");
    document.DetachView(profile);
    document.DetachView(map);
  }

  RecordingProfileView profile{log_};
  RecordingMapView map{log_};
};

class RecordingPaletteEditor : public PaletteEditor {
 public:
  void PalEdit(PaletteRecord& record, const std::string& startupDirectory) override {
    edited = &record;
    directory = startupDirectory;
    record.gain = 2.5f;
  }
  PaletteRecord* edited = nullptr;
  std::string directory;
};

class MemoryRecentFileStore : public RecentFileStore {
 public:
  std::vector<std::string> LoadRecentFiles() const override { return paths; }
  void SaveRecentFiles(const std::vector<std::string>& saved) override {
    paths = saved;
    ++saves;
  }
  std::vector<std::string> paths;
  int saves = 0;
};

// The application over recorded windows, with the profiles a1, a2, b1 and the project "site" of
// two baselines over them.
struct AppFixture {
  AppFixture() {
    for (const char* name : {"a1", "a2", "b1"}) survey.Profile(name, 4, 6, true);
    sitePath = projects.BaselineProject("site", {{{"a1", 1}, {"a2", 2}}, {{"b1", 5}}});
  }
  CTarvixDoc& OpenSite() {
    EXPECT_TRUE(tarvix.OpenDocumentFile(sitePath));
    log.clear();
    return *tarvix.Document();
  }

  TestApp app;
  ScopedCurrentDirectory currentDirectory;
  TempDir dir;
  std::string folder = dir.Path().string() + "/";
  SurveyBuilder survey{dir.Path().string()};
  ProjectBuilder projects{dir.Path().string()};
  std::string sitePath;
  EventLog log;
  RecordingAppWindows windows{log};
  RecordingPaletteEditor palette;
  MemoryRecentFileStore recentStore;
  CTarvixApp tarvix{&windows, &palette, &recentStore};
};

}  // namespace tarvix::testing
