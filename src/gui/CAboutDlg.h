#pragma once
#include <QDialog>

namespace tarvix {

// "About Tarvix": the program's name and version.
class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace tarvix
