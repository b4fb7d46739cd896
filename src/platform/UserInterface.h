#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/Colour.h"

namespace tarvix {

enum class MessageIcon { None, Error, Warning, Information, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Message {
  std::string text;
  std::string caption;
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
};

// The answer that changes nothing among a box's buttons: Ok for a plain box, No for a yes/no
// question, Cancel otherwise. Given when a box is closed without a button or nobody is there.
MessageAnswer CautiousAnswer(MessageButtons buttons);

// A file dialog as the commands describe it. `filter` uses the "Description|*.ext|...||" form,
// `defaultExtension` has no dot and is added to a typed name without one.
struct FileDialogRequest {
  std::string title;
  std::string filter;
  std::string defaultExtension;
  std::string initialName;
  std::string initialDirectory;
  bool overwritePrompt = false;
};

// The rules of a modal dialog live in a model; the shell shows a dialog bound to it.
// `DialogName` tells the shell (or a test script) which dialog to show.
class DialogModel {
 public:
  virtual ~DialogModel() = default;
  virtual std::string DialogName() const = 0;
};

// Everything the core asks of the person at the screen.
class UserInterface {
 public:
  virtual ~UserInterface() = default;

  virtual MessageAnswer ShowMessage(const Message& message) = 0;

  virtual std::optional<std::string> AskOpenFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::vector<std::string>> AskOpenFiles(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> AskSaveFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> AskFolder(const std::string& title, const std::string& start) = 0;
  virtual std::optional<Colour> AskColour(Colour initial) = 0;

  virtual void Beep() = 0;
  virtual void SetWaitCursor(bool waiting) = 0;

  // Shows the dialog of `model` modally; true when it was closed with OK.
  virtual bool RunModal(DialogModel& model) = 0;
};

// Shows a wait cursor for the lifetime of the object.
class WaitCursor {
 public:
  explicit WaitCursor(UserInterface& ui) : ui_(ui) { ui_.SetWaitCursor(true); }
  ~WaitCursor() { ui_.SetWaitCursor(false); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  UserInterface& ui_;
};

}  // namespace tarvix
