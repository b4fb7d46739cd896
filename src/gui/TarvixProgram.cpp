#include "gui/TarvixProgram.h"

#include <QDir>
#include <QFileInfo>
#include <QScreen>

#include "app/CMyPropertySheet.h"
#include "app/CTarvixApp.h"
#include "document/CFileWarnDlg.h"
#include "gui/CFileWarnDlgDialog.h"
#include "gui/CMainFrame.h"
#include "gui/CMyPropertySheetDialog.h"
#include "gui/CSplashWnd.h"
#include "gui/MarkerDialogs.h"

namespace tarvix {

TarvixProgram::TarvixProgram(const Options& options) : context_(store_, ui_), scope_(context_) {
  CSplashWnd::EnableSplashScreen(options.splash);
  RegisterDialogs();
  frame_ = std::make_unique<CMainFrame>();
  ui_.SetParentWidget(frame_.get());
  app_ = std::make_unique<CTarvixApp>(frame_.get(), &paletteEditor_, &recentFiles_);
  app_->InitInstance();
  frame_->SetApplication(*app_);
  // Without a window manager a maximised window keeps its size: give it the screen first.
  if (const QScreen* screen = frame_->screen()) frame_->setGeometry(screen->availableGeometry());
  frame_->showMaximized();
  if (!options.projectPath.empty()) {
    // Open the way the Open command does, so a file that does not open says so.
    app_->OpenDocumentFile(
        QFileInfo(QString::fromStdString(options.projectPath)).absoluteFilePath().toStdString());
    frame_->UpdateCommandUI();
  }
}

TarvixProgram::~TarvixProgram() {
  // The windows go before the application they show.
  if (app_ && app_->Document()) app_->CloseDocument();
  frame_.reset();
  app_.reset();
}

void TarvixProgram::RegisterDialogs() {
  ui_.RegisterDialog(CMyPropertySheetDialog::kDialogName, [](DialogModel& model, QWidget* parent) {
    return std::make_unique<CMyPropertySheetDialog>(dynamic_cast<CMyPropertySheet&>(model), parent);
  });
  // New and "Project Manager" say so rather than doing nothing until the manager's own dialog
  // is registered in its place.
  ui_.RegisterDialog("CProjMngr", [this](DialogModel&, QWidget*) -> std::unique_ptr<QDialog> {
    ui_.ShowMessage({"The Project Manager is not available yet.", "Tarvix", MessageIcon::Information,
                     MessageButtons::Ok});
    return nullptr;
  });
  RegisterMarkerDialogs(ui_);
  ui_.RegisterDialog(CFileWarnDlgDialog::kDialogName, [](DialogModel& model, QWidget* parent) {
    return std::make_unique<CFileWarnDlgDialog>(dynamic_cast<CFileWarnDlg&>(model), parent);
  });
}

TarvixProgram::Options TarvixProgram::ParseArguments(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--no-splash")
      options.splash = false;
    else if (!argument.starts_with("-") && options.projectPath.empty())
      options.projectPath = QDir::fromNativeSeparators(QString::fromLocal8Bit(argv[i])).toStdString();
  }
  return options;
}

}  // namespace tarvix
