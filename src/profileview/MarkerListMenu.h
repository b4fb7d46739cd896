#pragma once
#include "profileview/PopupMenu.h"

namespace tarvix {

class CTarvixDoc;

// The marker list's context menu: empty while no marker is selected, else the edit, delete,
// hide, show and select items. Opening it points the selected reference at the selected row.
PopupMenu MarkerListMenu(CTarvixDoc& document);
void RunMarkerListCommand(CTarvixDoc& document, int id);

}  // namespace tarvix
