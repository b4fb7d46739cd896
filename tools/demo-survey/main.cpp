// Writes the demo survey into a folder: synthetic profiles with layers, point reflectors and markers.
#include <cstdio>
#include <filesystem>

#include "DemoSurvey.h"
#include "app/AppContext.h"
#include "platform/MemorySettingsStore.h"
#include "platform/SilentUserInterface.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tarvix-demo-survey FOLDER\n");
    return 2;
  }
  std::error_code error;
  std::filesystem::create_directories(argv[1], error);
  std::string folder = std::filesystem::absolute(argv[1]).string();
  if (folder.back() != '/') folder += '/';
  // The survey is written with settings of its own, never the user's: 16-bit data.
  tarvix::MemorySettingsStore store;
  tarvix::SilentUserInterface ui;
  tarvix::AppContext context(store, ui);
  tarvix::ScopedAppContext scope(context);
  context.settings.ProfSize = 1;
  context.ResetDataWidth();
  if (!tarvix::demo::WriteDemoSurvey(folder)) {
    for (const auto& message : ui.Messages()) std::fprintf(stderr, "%s\n", message.text.c_str());
    std::fprintf(stderr, "tarvix-demo-survey: cannot write the survey into %s\n", folder.c_str());
    return 1;
  }
  std::printf("%s\n", folder.c_str());
  return 0;
}
