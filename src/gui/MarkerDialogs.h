#pragma once

namespace tarvix {

class QtUserInterface;

// Plugs the "Edit Marker" and "Choose marker type" dialogs into the user interface.
void RegisterMarkerDialogs(QtUserInterface& ui);

}  // namespace tarvix
