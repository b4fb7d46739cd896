#pragma once
#include <memory>
#include <string>

#include "app/AppContext.h"
#include "gui/HueliskPaletteEditor.h"
#include "gui/QtRecentFileStore.h"
#include "gui/QtSettingsStore.h"
#include "gui/QtUserInterface.h"

namespace tarvix {

class CMainFrame;
class CTarvixApp;

// The whole program over the Qt platform: the settings, the user interface, the application and
// its main window, started in the program's order and shut down with the main window.
class TarvixProgram {
 public:
  struct Options {
    bool splash = true;
    // A project to open once the main window is up (none: start with no project).
    std::string projectPath;
  };

  explicit TarvixProgram(const Options& options);
  ~TarvixProgram();
  TarvixProgram(const TarvixProgram&) = delete;
  TarvixProgram& operator=(const TarvixProgram&) = delete;

  CMainFrame& MainFrame() const { return *frame_; }
  CTarvixApp& Application() const { return *app_; }
  QtUserInterface& Ui() { return ui_; }

  // Parses the program's arguments: "--no-splash" and one project file.
  static Options ParseArguments(int argc, char** argv);

 private:
  void RegisterDialogs();

  QtSettingsStore store_;
  QtUserInterface ui_;
  AppContext context_;
  ScopedAppContext scope_;
  QtRecentFileStore recentFiles_;
  HueliskPaletteEditor paletteEditor_;
  std::unique_ptr<CMainFrame> frame_;
  std::unique_ptr<CTarvixApp> app_;
};

}  // namespace tarvix
