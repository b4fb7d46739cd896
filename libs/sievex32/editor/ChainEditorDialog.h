#pragma once
#include <QDialog>

#include "ChainEditor.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tarvix::sievex {

// The modal chain editor: the chain as a list with check boxes for enabling, the selected
// filter's parameters, and the preview traces before and after the chain. All decisions are the
// ChainEditor's; the dialog shows its state after every action.
class ChainEditorDialog : public QDialog {
  Q_OBJECT

 public:
  ChainEditorDialog(ChainEditor& editor, QWidget* parent);

 private:
  void BuildLayout();
  void ShowChain();
  void ShowParameters();
  void ShowPreview();
  void ItemChanged(QListWidgetItem* item);
  // Runs a command on the editor, then shows the chain, parameters and preview anew.
  template <typename Command>
  void Change(Command command);

  ChainEditor& editor_;
  QListWidget* chainList_ = nullptr;
  QComboBox* kindBox_ = nullptr;
  QPushButton* removeButton_ = nullptr;
  QPushButton* upButton_ = nullptr;
  QPushButton* downButton_ = nullptr;
  QLabel* helpLabel_ = nullptr;
  QFormLayout* parameterForm_ = nullptr;
  QLabel* beforeImage_ = nullptr;
  QLabel* afterImage_ = nullptr;
  bool showing_ = false;
};

}  // namespace tarvix::sievex
