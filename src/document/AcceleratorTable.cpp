#include "document/AcceleratorTable.h"

#include "document/Commands.h"
#include "document/MainMenu.h"

namespace tarvix {

const std::array<Accelerator, 19> kMainAccelerators = {{
    {"Ctrl+N", command::kNew},
    {"Ctrl+O", command::kOpen},
    {"Ctrl+S", command::kSave},
    {"Ctrl+P", command::kPrint},
    {"P", command::kChangePalette},
    {"F", command::kEditFilterList},
    {"Ctrl+F", command::kToggleFilters},
    {"Ctrl+M", command::kSiteMap},
    {"Ctrl+G", command::kGoToTenMetres},
    {"F6", command::kNextPane},
    {"Shift+F6", command::kPreviousPane},
    {"Ctrl+C", command::kCopy},
    {"Ctrl+Ins", command::kCopy},
    {"Ctrl+X", command::kCut},
    {"Shift+Del", command::kCut},
    {"Ctrl+V", command::kPaste},
    {"Shift+Ins", command::kPaste},
    {"Ctrl+Z", command::kUndo},
    {"Alt+Backspace", command::kUndo},
}};

}  // namespace tarvix
