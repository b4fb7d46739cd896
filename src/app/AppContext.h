#pragma once
#include <string>

#include "app/AppSettings.h"

namespace tarvix {

class SettingsStore;
class UserInterface;

// The process-wide state of the application: the settings, the data-width flag, the start-up
// directory and the platform services. One context is current at a time; the program installs
// one at start and each test installs a fresh one.
struct AppContext {
  AppContext(SettingsStore& store, UserInterface& ui);

  AppSettings settings;
  // Profiles open 32-bit ".rd7" data when set and 16-bit ".rd3" data when clear.
  bool is32BitData = true;
  // Up to 99 characters of the process's current directory at start-up.
  std::string startupDirectory;
  SettingsStore& store;
  UserInterface& ui;

  void LoadSettings();
  void SaveSettings() const;
  // The data width the "ProfSize" setting asks for (autodetect starts with 32 bits).
  void ResetDataWidth() { is32BitData = settings.ProfSize != 1; }
  void CaptureStartupDirectory();
};

// The current context; there must be one.
AppContext& App();

// Makes a context current for its lifetime and restores the previous one afterwards.
class ScopedAppContext {
 public:
  explicit ScopedAppContext(AppContext& context);
  ~ScopedAppContext();
  ScopedAppContext(const ScopedAppContext&) = delete;
  ScopedAppContext& operator=(const ScopedAppContext&) = delete;

 private:
  AppContext* previous_;
};

// Length helpers in the current display unit.
double MetresToDisplay(double metres);
double DisplayToMetres(double display);
std::string UnitLabel();

}  // namespace tarvix
