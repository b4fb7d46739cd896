#include "gui/QtUserInterface.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>
#include <QtGlobal>
#include <algorithm>
#include <sstream>
#include <vector>

namespace tarvix {

namespace {

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

// Paths go back to the core in the platform's own spelling.
std::string ToPath(const QString& path) { return QDir::toNativeSeparators(path).toStdString(); }

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream stream(text);
  while (std::getline(stream, part, separator)) parts.push_back(part);
  return parts;
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The patterns of "*.a;*.b" for Qt: separated by spaces, "*.*" as "*".
std::vector<std::string> QtPatterns(const std::string& patterns) {
  std::vector<std::string> result;
  for (const std::string& raw : Split(patterns, ';')) {
    const std::string pattern = Trimmed(raw);
    if (!pattern.empty()) result.push_back(pattern == "*.*" ? "*" : pattern);
  }
  return result;
}

std::string Joined(const std::vector<std::string>& parts, const std::string& separator) {
  std::string joined;
  for (const std::string& part : parts) joined += (joined.empty() ? "" : separator) + part;
  return joined;
}

// The description without a trailing "(patterns)" that repeats `patterns`.
std::string WithoutOwnPatterns(const std::string& description, const std::string& patterns) {
  const std::string trimmed = Trimmed(description);
  const auto open = trimmed.rfind('(');
  if (trimmed.empty() || trimmed.back() != ')' || open == std::string::npos) return trimmed;
  const std::string inside = trimmed.substr(open + 1, trimmed.size() - open - 2);
  std::string normalised = inside;
  std::replace(normalised.begin(), normalised.end(), ',', ';');
  std::replace(normalised.begin(), normalised.end(), ' ', ';');
  if (QtPatterns(normalised) != QtPatterns(patterns)) return trimmed;
  return Trimmed(trimmed.substr(0, open));
}

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok:
      break;
  }
  return QMessageBox::Ok;
}

}  // namespace

std::string QtNameFilter(const std::string& filter) {
  const std::vector<std::string> parts = Split(filter, '|');
  std::vector<std::string> filters;
  for (std::size_t i = 0; i + 1 < parts.size() && !parts[i].empty(); i += 2) {
    const std::vector<std::string> patterns = QtPatterns(parts[i + 1]);
    if (patterns.empty()) continue;
    const std::string description = WithoutOwnPatterns(parts[i], parts[i + 1]);
    filters.push_back(description + (description.empty() ? "(" : " (") + Joined(patterns, " ") + ")");
  }
  return Joined(filters, ";;");
}

std::string WithDefaultExtension(const std::string& path, const std::string& extension) {
  const std::string suffix = !extension.empty() && extension.front() == '.' ? extension.substr(1) : extension;
#ifdef _WIN32
  const auto nameStart = path.find_last_of("\\/");
#else
  const auto nameStart = path.rfind('/');
#endif
  const std::string name = nameStart == std::string::npos ? path : path.substr(nameStart + 1);
  if (suffix.empty() || name.empty() || name.find('.') != std::string::npos) return path;
  return path + "." + suffix;
}

QtUserInterface::~QtUserInterface() {
  while (waitCursorDepth_ > 0) SetWaitCursor(false);
}

void QtUserInterface::RegisterDialog(std::string name, DialogFactory factory) {
  factories_[std::move(name)] = std::move(factory);
}

MessageAnswer QtUserInterface::ShowMessage(const Message& message) {
  QMessageBox box(ToQtIcon(message.icon), ToQString(message.caption), ToQString(message.text),
                  ToQtButtons(message.buttons), parent_);
  // Messages quote file names and comments, which must never be read as markup.
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.setDefaultButton(message.buttons == MessageButtons::YesNo ||
                               message.buttons == MessageButtons::YesNoCancel
                           ? QMessageBox::Yes
                           : QMessageBox::Ok);
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok:
      return MessageAnswer::Ok;
    case QMessageBox::Cancel:
      return MessageAnswer::Cancel;
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    default:
      return CautiousAnswer(message.buttons);  // closed without a button
  }
}

std::unique_ptr<QFileDialog> QtUserInterface::MakeFileDialog(const FileDialogRequest& request,
                                                             const char* defaultTitle) const {
  const QString title = request.title.empty() ? QString::fromLatin1(defaultTitle) : ToQString(request.title);
  auto dialog = std::make_unique<QFileDialog>(parent_, title, ToQString(request.initialDirectory));
  dialog->setWindowModality(Qt::ApplicationModal);
  const std::string filters = QtNameFilter(request.filter);
  if (!filters.empty()) dialog->setNameFilters(ToQString(filters).split(QStringLiteral(";;")));
  dialog->setDefaultSuffix(ToQString(request.defaultExtension));
  if (!request.initialName.empty()) dialog->selectFile(ToQString(request.initialName));
  return dialog;
}

std::optional<std::vector<std::string>> QtUserInterface::RunOpenDialog(const FileDialogRequest& request,
                                                                       bool multiple) const {
  auto dialog = MakeFileDialog(request, "Open");
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
  std::vector<std::string> paths;
  for (const QString& file : dialog->selectedFiles()) paths.push_back(ToPath(file));
  return paths;
}

std::optional<std::string> QtUserInterface::AskOpenFile(const FileDialogRequest& request) {
  auto paths = RunOpenDialog(request, false);
  if (!paths) return std::nullopt;
  return paths->front();
}

std::optional<std::vector<std::string>> QtUserInterface::AskOpenFiles(const FileDialogRequest& request) {
  return RunOpenDialog(request, true);
}

std::optional<std::string> QtUserInterface::AskSaveFile(const FileDialogRequest& request) {
  auto dialog = MakeFileDialog(request, "Save As");
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  // The question is asked here, after the extension is added, so it names the file to be written.
  dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
  while (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty()) {
    // Native dialogs may ignore the default suffix.
    const QString path = ToQString(
        WithDefaultExtension(dialog->selectedFiles().front().toStdString(), request.defaultExtension));
    const QFileInfo file(path);
    if (!request.overwritePrompt || !file.exists()) return ToPath(path);
    const Message replace{file.fileName().toStdString() + " already exists.\nDo you want to replace it?",
                          dialog->windowTitle().toStdString(), MessageIcon::Warning, MessageButtons::YesNo};
    if (ShowMessage(replace) == MessageAnswer::Yes) return ToPath(path);
    dialog->selectFile(file.fileName());
  }
  return std::nullopt;
}

std::optional<std::string> QtUserInterface::AskFolder(const std::string& title, const std::string& start) {
  const QString folder = QFileDialog::getExistingDirectory(parent_, ToQString(title), ToQString(start));
  if (folder.isEmpty()) return std::nullopt;
  return ToPath(folder);
}

std::optional<Colour> QtUserInterface::AskColour(Colour initial) {
  const QColor chosen =
      QColorDialog::getColor(QColor::fromRgb(RedOf(initial), GreenOf(initial), BlueOf(initial)), parent_);
  if (!chosen.isValid()) return std::nullopt;
  return Rgb(static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
             static_cast<std::uint8_t>(chosen.blue()));
}

void QtUserInterface::Beep() { QApplication::beep(); }

void QtUserInterface::SetWaitCursor(bool waiting) {
  if (waiting) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++waitCursorDepth_;
  } else if (waitCursorDepth_ > 0) {
    // An unmatched "done" must not take away a cursor somebody else set.
    QApplication::restoreOverrideCursor();
    --waitCursorDepth_;
  }
}

bool QtUserInterface::RunModal(DialogModel& model) {
  const std::string name = model.DialogName();
  const auto found = factories_.find(name);
  if (found == factories_.end()) {
    qWarning("RunModal: no dialog is registered for the dialog model \"%s\"; nothing is shown", name.c_str());
    return false;
  }
  std::unique_ptr<QDialog> dialog = found->second(model, parent_);
  if (!dialog) return false;
  return dialog->exec() == QDialog::Accepted;
}

}  // namespace tarvix
