#pragma once
#include <string>
#include <vector>

#include "platform/Geometry.h"

namespace tarvix {

class KTarvixProject;
struct DisplayState;

// An entry of the map's pop-up menu: a command, a separator (id 0, no text) or a sub-menu
// (id 0 with items).
struct MapMenuItem {
  int id = 0;
  std::string text;
  bool enabled = true;
  std::vector<MapMenuItem> items;
};

// The pop-up menu to open at a client point; the window hands the chosen id back to the view.
struct MapContextMenu {
  Point at;
  std::vector<MapMenuItem> items;

  // The entry with this command id, searched through the sub-menus; null when there is none.
  const MapMenuItem* Find(int id) const;
};

namespace mapmenu {
inline constexpr int kEditMarker = 1;
inline constexpr int kProperties = 2;
inline constexpr int kExportDxf = 3;
inline constexpr int kExportAscii = 4;
inline constexpr int kExportTrelwin = 5;
}  // namespace mapmenu

// "Edit marker", "Properties", a separator and "Export" with "DXF", "ASCII" and, in GPS
// projects, "Trelwin". Marker editing needs a selected marker, the rest profiles in the current
// set; GPS profiles have no properties to edit here.
MapContextMenu BuildMapContextMenu(const KTarvixProject& project, const DisplayState& state, Point at);

}  // namespace tarvix
