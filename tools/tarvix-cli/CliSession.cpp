#include "CliSession.h"

#include <iostream>

#include "model/FileCopy.h"

namespace tarvix::cli {

CliSession::CliSession() : store_(userSettings_), context_(store_, ui_), scope_(context_) {}

bool CliSession::Start(const CommandLine& line, std::string& error) {
  for (const auto& [name, value] : line.overrides)
    if (!store_.Override(name, value, error)) return false;
  context_.CaptureStartupDirectory();
  context_.LoadSettings();
  return true;
}

bool IsProjectPath(const std::string& path) {
  return path.size() > 4 && path.compare(path.size() - 4, 4, ".tvx") == 0;
}

void PrintMessagesToStderr(const SilentUserInterface& ui) {
  for (const auto& message : ui.Messages()) std::cerr << "tarvix-cli: " << message.caption << ": " << message.text << "\n";
}

std::string ProfileBasePath(const std::string& path) {
  for (const char* extension : {".rad", ".rd3", ".rd7", ".mrk", ".cor"}) {
    const std::string ext(extension);
    if (path.size() > ext.size() && path.compare(path.size() - ext.size(), ext.size(), ext) == 0)
      return WithoutExtension(path);
  }
  return path;
}

}  // namespace tarvix::cli
