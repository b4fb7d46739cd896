#pragma once
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/UserInterface.h"

namespace tarvix::testing {

// A user interface that plays a script: answers to message boxes, file and folder dialogs,
// colours and modal dialogs are taken in order. Every message shown is recorded.
// A question with no scripted answer fails the test and is answered Cancel (or No);
// a plain OK box needs no answer.
class ScriptedUserInterface : public UserInterface {
 public:
  using DialogScript = std::function<bool(DialogModel&)>;

  ScriptedUserInterface& Answer(MessageAnswer answer);
  ScriptedUserInterface& OpenFile(std::optional<std::string> path);
  ScriptedUserInterface& OpenFiles(std::optional<std::vector<std::string>> paths);
  ScriptedUserInterface& SaveFile(std::optional<std::string> path);
  ScriptedUserInterface& Folder(std::optional<std::string> path);
  ScriptedUserInterface& PickColour(std::optional<Colour> colour);
  // The next modal dialog of this name runs `script`, which may change the model and returns OK.
  ScriptedUserInterface& Dialog(const std::string& name, DialogScript script);

  MessageAnswer ShowMessage(const Message& message) override;
  std::optional<std::string> AskOpenFile(const FileDialogRequest& request) override;
  std::optional<std::vector<std::string>> AskOpenFiles(const FileDialogRequest& request) override;
  std::optional<std::string> AskSaveFile(const FileDialogRequest& request) override;
  std::optional<std::string> AskFolder(const std::string& title, const std::string& start) override;
  std::optional<Colour> AskColour(Colour initial) override;
  void Beep() override { ++beeps; }
  void SetWaitCursor(bool waiting) override { waitCursorShown = waitCursorShown || waiting; }
  bool RunModal(DialogModel& model) override;

  // What was shown, in order.
  std::vector<Message> messages;
  std::vector<FileDialogRequest> fileDialogs;
  std::vector<std::string> dialogsRun;
  int beeps = 0;
  bool waitCursorShown = false;

  // Texts of the messages shown, in order, for compact assertions.
  std::vector<std::string> MessageTexts() const;
  // True when every scripted answer was used.
  bool ScriptDone() const;

 private:
  std::deque<MessageAnswer> answers_;
  std::deque<std::optional<std::string>> openFiles_;
  std::deque<std::optional<std::vector<std::string>>> openFileLists_;
  std::deque<std::optional<std::string>> saveFiles_;
  std::deque<std::optional<std::string>> folders_;
  std::deque<std::optional<Colour>> colours_;
  std::map<std::string, std::deque<DialogScript>> dialogs_;
};

}  // namespace tarvix::testing
