#pragma once
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/UserInterface.h"

class QDialog;
class QFileDialog;

namespace tarvix {

// The user interface of the Qt shell: message boxes, the file, folder and colour dialogs, and the
// dialogs of the core's dialog models, which are plugged in by name.
class QtUserInterface : public UserInterface {
 public:
  // Builds the dialog that shows `model`; the dialog writes back to the model when accepted.
  using DialogFactory = std::function<std::unique_ptr<QDialog>(DialogModel& model, QWidget* parent)>;

  ~QtUserInterface() override;

  // Dialogs and message boxes are centred on this window (none: on the screen).
  void SetParentWidget(QWidget* parent) { parent_ = parent; }
  // The dialog for models whose DialogName() is `name`; a later registration replaces it.
  void RegisterDialog(std::string name, DialogFactory factory);

  MessageAnswer ShowMessage(const Message& message) override;
  std::optional<std::string> AskOpenFile(const FileDialogRequest& request) override;
  std::optional<std::vector<std::string>> AskOpenFiles(const FileDialogRequest& request) override;
  std::optional<std::string> AskSaveFile(const FileDialogRequest& request) override;
  std::optional<std::string> AskFolder(const std::string& title, const std::string& start) override;
  std::optional<Colour> AskColour(Colour initial) override;
  void Beep() override;
  void SetWaitCursor(bool waiting) override;
  bool RunModal(DialogModel& model) override;

 private:
  std::unique_ptr<QFileDialog> MakeFileDialog(const FileDialogRequest& request,
                                              const char* defaultTitle) const;
  std::optional<std::vector<std::string>> RunOpenDialog(const FileDialogRequest& request,
                                                        bool multiple) const;

  QPointer<QWidget> parent_;
  std::map<std::string, DialogFactory> factories_;
  int waitCursorDepth_ = 0;
};

// The Qt name filters ("Description (*.a *.b)") of a "Description|*.a;*.b|...||" filter. A
// description that already ends in its patterns keeps them in Qt's spelling; "*.*" means every
// file, also one without an extension.
std::string QtNameFilter(const std::string& filter);

// `path` with "." + `extension` added when its file name has no extension of its own.
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

}  // namespace tarvix
