#pragma once
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace tarvix {

class CMrkDlg;

// "Edit Marker": shows the model's fields and hands them back on OK, which the model validates.
class CMrkDlgDialog : public QDialog {
  Q_OBJECT
 public:
  CMrkDlgDialog(CMrkDlg& model, QWidget* parent = nullptr);
  void accept() override;

 private:
  void ShowSwatch();

  CMrkDlg& model_;
  QLineEdit* trace_;
  QLineEdit* sample_;
  QComboBox* type_;
  QLabel* swatch_;
  QPlainTextEdit* comment_;
};

}  // namespace tarvix
