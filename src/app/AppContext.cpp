#include "app/AppContext.h"

#include <cassert>
#include <filesystem>

#include "platform/SettingsStore.h"

namespace tarvix {

namespace {
AppContext* current = nullptr;
}

AppContext::AppContext(SettingsStore& settingsStore, UserInterface& userInterface)
    : store(settingsStore), ui(userInterface) {}

void AppContext::LoadSettings() {
  settings.Load(store);
  ResetDataWidth();
}

void AppContext::SaveSettings() const { settings.Save(store); }

void AppContext::CaptureStartupDirectory() {
  std::error_code error;
  startupDirectory = std::filesystem::current_path(error).string();
  if (startupDirectory.size() > 99) startupDirectory.resize(99);
}

AppContext& App() {
  assert(current != nullptr && "no application context is installed");
  return *current;
}

ScopedAppContext::ScopedAppContext(AppContext& context) : previous_(current) { current = &context; }

ScopedAppContext::~ScopedAppContext() { current = previous_; }

double MetresToDisplay(double metres) { return App().settings.MetresToDisplay(metres); }
double DisplayToMetres(double display) { return App().settings.DisplayToMetres(display); }
std::string UnitLabel() { return App().settings.UnitLabel(); }

}  // namespace tarvix
