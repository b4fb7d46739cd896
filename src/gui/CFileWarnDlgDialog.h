#pragma once
#include <QDialog>

class QCheckBox;

namespace tarvix {

class CFileWarnDlg;

// The warning before another project is added: "&Yes" goes on, "&No" stops.
class CFileWarnDlgDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kDialogName = "CFileWarnDlg";

  CFileWarnDlgDialog(CFileWarnDlg& model, QWidget* parent = nullptr);
  void accept() override;

 private:
  CFileWarnDlg& model_;
  QCheckBox* dontShow_;
};

}  // namespace tarvix
