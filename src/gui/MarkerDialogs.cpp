#include "gui/MarkerDialogs.h"

#include "document/CMarkExport.h"
#include "document/CMrkDlg.h"
#include "gui/CMarkExportDialog.h"
#include "gui/CMrkDlgDialog.h"
#include "gui/QtUserInterface.h"

namespace tarvix {

void RegisterMarkerDialogs(QtUserInterface& ui) {
  ui.RegisterDialog(CMrkDlg::kName, [](DialogModel& model, QWidget* parent) -> std::unique_ptr<QDialog> {
    return std::make_unique<CMrkDlgDialog>(static_cast<CMrkDlg&>(model), parent);
  });
  ui.RegisterDialog(CMarkExport::kName, [](DialogModel& model, QWidget* parent) -> std::unique_ptr<QDialog> {
    return std::make_unique<CMarkExportDialog>(static_cast<CMarkExport&>(model), parent);
  });
}

}  // namespace tarvix
