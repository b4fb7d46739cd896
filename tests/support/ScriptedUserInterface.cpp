#include "support/ScriptedUserInterface.h"

#include <gtest/gtest.h>

namespace tarvix::testing {

namespace {
template <typename T>
T Next(std::deque<T>& queue, const char* what, T fallback) {
  if (queue.empty()) {
    ADD_FAILURE() << "no scripted answer for " << what;
    return fallback;
  }
  T value = std::move(queue.front());
  queue.pop_front();
  return value;
}
}  // namespace

ScriptedUserInterface& ScriptedUserInterface::Answer(MessageAnswer answer) {
  answers_.push_back(answer);
  return *this;
}
ScriptedUserInterface& ScriptedUserInterface::OpenFile(std::optional<std::string> path) {
  openFiles_.push_back(std::move(path));
  return *this;
}
ScriptedUserInterface& ScriptedUserInterface::OpenFiles(std::optional<std::vector<std::string>> paths) {
  openFileLists_.push_back(std::move(paths));
  return *this;
}
ScriptedUserInterface& ScriptedUserInterface::SaveFile(std::optional<std::string> path) {
  saveFiles_.push_back(std::move(path));
  return *this;
}
ScriptedUserInterface& ScriptedUserInterface::Folder(std::optional<std::string> path) {
  folders_.push_back(std::move(path));
  return *this;
}
ScriptedUserInterface& ScriptedUserInterface::PickColour(std::optional<Colour> colour) {
  colours_.push_back(colour);
  return *this;
}
ScriptedUserInterface& ScriptedUserInterface::Dialog(const std::string& name, DialogScript script) {
  dialogs_[name].push_back(std::move(script));
  return *this;
}

MessageAnswer ScriptedUserInterface::ShowMessage(const Message& message) {
  messages.push_back(message);
  if (message.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  return Next(answers_, ("message \"" + message.text + "\"").c_str(), CautiousAnswer(message.buttons));
}

std::optional<std::string> ScriptedUserInterface::AskOpenFile(const FileDialogRequest& request) {
  fileDialogs.push_back(request);
  return Next<std::optional<std::string>>(openFiles_, "open-file dialog", std::nullopt);
}

std::optional<std::vector<std::string>> ScriptedUserInterface::AskOpenFiles(const FileDialogRequest& request) {
  fileDialogs.push_back(request);
  return Next<std::optional<std::vector<std::string>>>(openFileLists_, "multi-file dialog", std::nullopt);
}

std::optional<std::string> ScriptedUserInterface::AskSaveFile(const FileDialogRequest& request) {
  fileDialogs.push_back(request);
  return Next<std::optional<std::string>>(saveFiles_, "save-file dialog", std::nullopt);
}

std::optional<std::string> ScriptedUserInterface::AskFolder(const std::string&, const std::string&) {
  return Next<std::optional<std::string>>(folders_, "folder dialog", std::nullopt);
}

std::optional<Colour> ScriptedUserInterface::AskColour(Colour) {
  return Next<std::optional<Colour>>(colours_, "colour dialog", std::nullopt);
}

bool ScriptedUserInterface::RunModal(DialogModel& model) {
  const std::string name = model.DialogName();
  dialogsRun.push_back(name);
  auto& queue = dialogs_[name];
  auto script = Next<DialogScript>(queue, ("dialog " + name).c_str(), [](DialogModel&) { return false; });
  return script(model);
}

std::vector<std::string> ScriptedUserInterface::MessageTexts() const {
  std::vector<std::string> texts;
  for (const auto& message : messages) texts.push_back(message.text);
  return texts;
}

bool ScriptedUserInterface::ScriptDone() const {
  bool dialogsDone = true;
  for (const auto& [name, queue] : dialogs_) dialogsDone = dialogsDone && queue.empty();
  return answers_.empty() && openFiles_.empty() && openFileLists_.empty() && saveFiles_.empty() &&
         folders_.empty() && colours_.empty() && dialogsDone;
}

}  // namespace tarvix::testing
