#pragma once
#include "platform/UserInterface.h"

namespace tarvix {

// A user interface for headless runs: every message is kept, not shown; every question gets the
// answer that changes nothing (Cancel or No); dialogs are cancelled.
class SilentUserInterface : public UserInterface {
 public:
  MessageAnswer ShowMessage(const Message& message) override;
  std::optional<std::string> AskOpenFile(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::vector<std::string>> AskOpenFiles(const FileDialogRequest&) override {
    return std::nullopt;
  }
  std::optional<std::string> AskSaveFile(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> AskFolder(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<Colour> AskColour(Colour) override { return std::nullopt; }
  void Beep() override {}
  void SetWaitCursor(bool) override {}
  bool RunModal(DialogModel&) override { return false; }

  const std::vector<Message>& Messages() const { return messages_; }

 private:
  std::vector<Message> messages_;
};

}  // namespace tarvix
