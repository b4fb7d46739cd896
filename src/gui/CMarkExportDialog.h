#pragma once
#include <QDialog>

class QComboBox;

namespace tarvix {

class CMarkExport;

// "Choose marker type": a list of the marker types, each drawn with its colour.
class CMarkExportDialog : public QDialog {
  Q_OBJECT
 public:
  CMarkExportDialog(CMarkExport& model, QWidget* parent = nullptr);
  void accept() override;

 private:
  CMarkExport& model_;
  QComboBox* types_;
};

}  // namespace tarvix
