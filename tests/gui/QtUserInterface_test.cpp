#include "gui/QtUserInterface.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <filesystem>

#include "ModalScript.h"
#include "support/TempDir.h"

namespace tarvix {
namespace {

using testing::As;
using testing::ModalScript;
using testing::TempDir;
using testing::WriteFileBytes;

TEST(QtNameFilterTest, ConvertsTheBarSeparatedFormToQtFilters) {
  struct Case {
    const char* filter;
    const char* qt;
  };
  const Case cases[] = {
      {"Tarvix project files (*.tvx)|*.tvx|All files (*.*)|*.*||",
       "Tarvix project files (*.tvx);;All files (*)"},
      {"Marker files|*.mrk||", "Marker files (*.mrk)"},
      {"Radar data|*.rd3;*.rd7||", "Radar data (*.rd3 *.rd7)"},
      {"Images (*.png;*.bmp)|*.png; *.bmp||", "Images (*.png *.bmp)"},
      {"Radar data (16 bit)|*.rd3||", "Radar data (16 bit) (*.rd3)"},
      {"Text|*.txt||Not a filter|*.x", "Text (*.txt)"},
      {"Without the end|*.txt", "Without the end (*.txt)"},
      {"No patterns||", ""},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(QtNameFilter(c.filter), c.qt) << c.filter;
}

TEST(WithDefaultExtensionTest, AddsTheExtensionOnlyToANameWithoutOne) {
  struct Case {
    const char* path;
    const char* extension;
    const char* result;
  };
  const Case cases[] = {
      {"/data/survey", "tvx", "/data/survey.tvx"},
      {"/data/survey.tvx", "tvx", "/data/survey.tvx"},
      {"/data/survey.old", "tvx", "/data/survey.old"},
      {"/data.2024/survey", "tvx", "/data.2024/survey.tvx"},
      {"survey", ".txt", "survey.txt"},
      {"/data/survey", "", "/data/survey"},
      {"/data/", "tvx", "/data/"},
  };
  for (const Case& c : cases) EXPECT_EQ(WithDefaultExtension(c.path, c.extension), c.result) << c.path;
}

class ProbeModel : public DialogModel {
 public:
  explicit ProbeModel(std::string name) : name_(std::move(name)) {}
  std::string DialogName() const override { return name_; }
  int value = 0;

 private:
  std::string name_;
};

TEST(QtUserInterfaceRunModalTest, RunsTheRegisteredDialogAndReportsOk) {
  QWidget window;
  QtUserInterface ui;
  ui.SetParentWidget(&window);
  QWidget* parentSeen = nullptr;
  bool acceptNext = true;
  ui.RegisterDialog("Probe", [&](DialogModel& model, QWidget* parent) {
    parentSeen = parent;
    auto dialog = std::make_unique<QDialog>(parent);
    auto* probe = dynamic_cast<ProbeModel*>(&model);
    // The dialog writes back to its model only when accepted.
    QObject::connect(dialog.get(), &QDialog::accepted, [probe] { probe->value = 42; });
    if (acceptNext)
      QTimer::singleShot(0, dialog.get(), &QDialog::accept);
    else
      QTimer::singleShot(0, dialog.get(), &QDialog::reject);
    return dialog;
  });

  for (const bool accept : {true, false}) {
    ProbeModel model("Probe");
    acceptNext = accept;
    EXPECT_EQ(ui.RunModal(model), accept);
    EXPECT_EQ(model.value, accept ? 42 : 0);
    EXPECT_EQ(parentSeen, &window);
  }
}

QtMessageHandler previousHandler = nullptr;
std::vector<std::string> warnings;

void RecordWarnings(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtWarningMsg) warnings.push_back(text.toStdString());
}

TEST(QtUserInterfaceRunModalTest, AnUnknownDialogShowsNothingAndSaysWhy) {
  QtUserInterface ui;
  int built = 0;
  ui.RegisterDialog("Probe", [&](DialogModel&, QWidget*) {
    ++built;
    return std::make_unique<QDialog>();
  });
  ProbeModel model("ProjMngr");
  warnings.clear();
  previousHandler = qInstallMessageHandler(RecordWarnings);
  const bool ok = ui.RunModal(model);
  qInstallMessageHandler(previousHandler);
  EXPECT_FALSE(ok);
  EXPECT_EQ(built, 0);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("\"ProjMngr\""), std::string::npos) << warnings[0];
}

TEST(QtUserInterfaceMessageTest, ShowsTheTextCaptionIconAndButtonsAndReturnsTheAnswer) {
  struct Case {
    Message message;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton click;
    MessageAnswer answer;
  };
  const Case cases[] = {
      {{"File format was changed.", "Warning", MessageIcon::Error, MessageButtons::Ok},
       QMessageBox::Critical,
       QMessageBox::Ok,
       QMessageBox::Ok,
       MessageAnswer::Ok},
      {{"Current project will be closed!", "Warning", MessageIcon::Warning, MessageButtons::OkCancel},
       QMessageBox::Warning,
       QMessageBox::Ok | QMessageBox::Cancel,
       QMessageBox::Cancel,
       MessageAnswer::Cancel},
      {{"Save changes to the current project?", "Question", MessageIcon::Question,
        MessageButtons::YesNoCancel},
       QMessageBox::Question,
       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
       QMessageBox::No,
       MessageAnswer::No},
      {{"<b>not markup</b>", "Information", MessageIcon::Information, MessageButtons::YesNo},
       QMessageBox::Information,
       QMessageBox::Yes | QMessageBox::No,
       QMessageBox::Yes,
       MessageAnswer::Yes},
  };
  QtUserInterface ui;
  for (const Case& c : cases) {
    ModalScript script({[&](QWidget* modal) {
      auto* box = As<QMessageBox>(modal);
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->text().toStdString(), c.message.text);
      EXPECT_EQ(box->textFormat(), Qt::PlainText);
      EXPECT_EQ(box->windowTitle().toStdString(), c.message.caption);
      EXPECT_EQ(box->icon(), c.icon);
      EXPECT_EQ(box->standardButtons(), c.buttons);
      EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
      box->button(c.click)->click();
    }});
    EXPECT_EQ(ui.ShowMessage(c.message), c.answer) << c.message.text;
    EXPECT_TRUE(script.Done());
  }
}

// Types `name` into the save dialog and presses Save.
ModalScript::Step SaveAs(const std::string& name) {
  return [name](QWidget* modal) {
    auto* dialog = As<QFileDialog>(modal);
    ASSERT_NE(dialog, nullptr);
    auto* nameEdit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(nameEdit, nullptr);
    nameEdit->setText(QString::fromStdString(name));
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides accept()
  };
}

ModalScript::Step Answer(QMessageBox::StandardButton button, std::string* text) {
  return [button, text](QWidget* modal) {
    auto* box = As<QMessageBox>(modal);
    ASSERT_NE(box, nullptr);
    *text = box->text().toStdString();
    box->button(button)->click();
  };
}

void Cancel(QWidget* modal) {
  auto* dialog = As<QDialog>(modal);
  ASSERT_NE(dialog, nullptr);
  dialog->reject();
}

TEST(QtUserInterfaceSaveFileTest, AddsTheExtensionAndAsksBeforeReplacingTheFileToBeWritten) {
  const TempDir dir;
  WriteFileBytes(dir.File("survey.tvx"), "existing");
  const FileDialogRequest request{
      "Save project", "Tarvix project files (*.tvx)|*.tvx||", "tvx", "", dir.Path().string(), true};
  FileDialogRequest noPrompt = request;
  noPrompt.overwritePrompt = false;
  QtUserInterface ui;
  std::string question;
  struct Case {
    const char* label;
    const FileDialogRequest& request;
    std::deque<ModalScript::Step> steps;
    std::optional<std::string> result;
    bool asked;
  };
  const Case cases[] = {
      {"a new name", request, {SaveAs("fresh")}, dir.File("fresh.tvx"), false},
      {"replace: yes",
       request,
       {SaveAs("survey"), Answer(QMessageBox::Yes, &question)},
       dir.File("survey.tvx"),
       true},
      {"replace: no, then cancel",
       request,
       {SaveAs("survey"), Answer(QMessageBox::No, &question), Cancel},
       std::nullopt,
       true},
      {"replace: no, then another name",
       request,
       {SaveAs("survey"), Answer(QMessageBox::No, &question), SaveAs("other.tvx")},
       dir.File("other.tvx"),
       true},
      {"no prompt asked for", noPrompt, {SaveAs("survey")}, dir.File("survey.tvx"), false},
      {"cancel", request, {Cancel}, std::nullopt, false},
  };
  for (const Case& c : cases) {
    question.clear();
    ModalScript script(c.steps);
    EXPECT_EQ(ui.AskSaveFile(c.request), c.result) << c.label;
    EXPECT_TRUE(script.Done()) << c.label;
    EXPECT_EQ(question, c.asked ? "survey.tvx already exists.\nDo you want to replace it?" : "") << c.label;
  }
  EXPECT_EQ(testing::ReadFileBytes(dir.File("survey.tvx")), "existing");
}

TEST(QtUserInterfaceOpenFileTest, OpensWithTheRequestedTitleFilterAndFolder) {
  const TempDir dir;
  WriteFileBytes(dir.File("a.tvx"), "a");
  WriteFileBytes(dir.File("b.tvx"), "b");
  QtUserInterface ui;
  const FileDialogRequest request{
      "", "Tarvix project files (*.tvx)|*.tvx|All files (*.*)|*.*||", "", "", dir.Path().string(), false};
  // Picks `names` (one or several, quoted) in an open dialog of the given mode.
  auto pick = [&](QFileDialog::FileMode mode, const char* names) -> ModalScript::Step {
    return [&dir, mode, names](QWidget* modal) {
      auto* dialog = As<QFileDialog>(modal);
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Open"));
      EXPECT_EQ(dialog->nameFilters(), QStringList({QStringLiteral("Tarvix project files (*.tvx)"),
                                                    QStringLiteral("All files (*)")}));
      EXPECT_EQ(std::filesystem::path(dialog->directory().absolutePath().toStdString()), dir.Path());
      EXPECT_EQ(dialog->fileMode(), mode);
      auto* nameEdit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      ASSERT_NE(nameEdit, nullptr);
      nameEdit->setText(QString::fromLatin1(names));
      static_cast<QDialog*>(dialog)->accept();
    };
  };
  {
    ModalScript script({pick(QFileDialog::ExistingFile, "b.tvx")});
    EXPECT_EQ(ui.AskOpenFile(request), dir.File("b.tvx"));
  }
  {
    ModalScript script({pick(QFileDialog::ExistingFiles, "\"a.tvx\" \"b.tvx\"")});
    EXPECT_EQ(ui.AskOpenFiles(request), (std::vector<std::string>{dir.File("a.tvx"), dir.File("b.tvx")}));
  }
  {
    ModalScript script({Cancel});
    EXPECT_EQ(ui.AskOpenFile(request), std::nullopt);
  }
}

TEST(QtUserInterfaceWaitCursorTest, NestedCallsAreBalancedAndNeverTakeAnotherCursor) {
  ASSERT_EQ(QApplication::overrideCursor(), nullptr);
  QApplication::setOverrideCursor(Qt::CrossCursor);  // somebody else's
  {
    QtUserInterface ui;
    ui.SetWaitCursor(true);
    ui.SetWaitCursor(true);
    ui.SetWaitCursor(false);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ui.SetWaitCursor(false);
    ui.SetWaitCursor(false);  // unmatched
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
    ui.SetWaitCursor(true);
    // Going away while waiting gives the cursor back.
  }
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
  QApplication::restoreOverrideCursor();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace tarvix
