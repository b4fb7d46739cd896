#pragma once
#include <string>

#include "CommandLine.h"
#include "OverlaySettingsStore.h"
#include "app/AppContext.h"
#include "gui/QtSettingsStore.h"
#include "platform/SilentUserInterface.h"

namespace tarvix::cli {

// One run of the tool: the user's settings with the run's overrides, a user interface that
// keeps every message, and the application context over both.
class CliSession {
 public:
  CliSession();

  // Applies the overrides and loads the settings; false (with a reason) on a bad override.
  bool Start(const CommandLine& line, std::string& error);

  AppContext& app() { return context_; }
  const SilentUserInterface& ui() const { return ui_; }

 private:
  QtSettingsStore userSettings_;
  OverlaySettingsStore store_;
  SilentUserInterface ui_;
  AppContext context_;
  ScopedAppContext scope_;
};

// True for a project file name (".tvx").
bool IsProjectPath(const std::string& path);

// The messages the program would have shown, one a line on standard error.
void PrintMessagesToStderr(const SilentUserInterface& ui);

// A path given as a base path or as one of a profile's own files, without that extension.
std::string ProfileBasePath(const std::string& path);

}  // namespace tarvix::cli
