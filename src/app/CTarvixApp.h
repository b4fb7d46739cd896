#pragma once
#include <memory>
#include <optional>
#include <string>

#include "app/AppWindows.h"
#include "app/RecentFileList.h"
#include "document/Commands.h"
#include "document/DocumentHost.h"
#include "profileview/MarkerListModel.h"

namespace tarvix {

class CTarvixDoc;
class PaletteEditor;
class RecentFileStore;

// The application: the commands that make sense without a project (New, Open, Options, Change
// Palette, the recent files, exit), the one open document, the marker list and the recent-file
// list. It works on the current application context's settings and user interface; the window
// system, the palette editor and the recent-file store are plugged in, and are optional.
class CTarvixApp : public DocumentHost {
 public:
  CTarvixApp(AppWindows* windows = nullptr, PaletteEditor* paletteEditor = nullptr,
             RecentFileStore* recentFileStore = nullptr);
  ~CTarvixApp() override;
  CTarvixApp(const CTarvixApp&) = delete;
  CTarvixApp& operator=(const CTarvixApp&) = delete;

  // Start-up beyond the windows: the recent files, the start-up directory, the settings.
  void InitInstance();
  // Shut-down: the settings and the recent files are written.
  void ExitInstance();

  void OnFileNew();
  void OnFileOpen();
  // Opens a project file as the document; false when there is one already or it did not open.
  bool OpenDocumentFile(const std::string& path);
  void OnOpenRecentFile(std::size_t index);
  void OnOptions();
  void OnChangePalette();
  // "&Close": the save question's Cancel keeps the project open.
  void OnFileClose();
  // "E&xit": false when the user cancelled the save question and the program goes on.
  bool OnAppExit();
  // Closes the project whatever the save question's answer.
  void CloseDocument();

  // The commands of the menu in force: the document's first, then the application's.
  CommandState State(int id) const;
  bool Run(int id);

  CTarvixDoc* Document() const { return document_.get(); }
  RecentFileList& RecentFiles() { return recentFiles_; }

  MarkerListModel& MarkerList() override { return markerList_; }
  DocumentWindows& Windows() override { return Shell(); }
  void AddToRecentFiles(const std::string& path) override { recentFiles_.Add(path); }

 private:
  std::optional<CommandState> OwnState(int id) const;
  AppWindows& Shell() const;
  // Makes a new document the open one and gives it its windows.
  void Adopt(std::unique_ptr<CTarvixDoc> document);

  AppWindows* windows_;
  PaletteEditor* paletteEditor_;
  RecentFileStore* recentFileStore_;
  MarkerListModel markerList_;
  RecentFileList recentFiles_;
  std::unique_ptr<CTarvixDoc> document_;
};

}  // namespace tarvix
