#include "sitemap/MapContextMenu.h"

#include "model/KTarvixProject.h"
#include "profileview/DisplayState.h"

namespace tarvix {

namespace {

const MapMenuItem* FindIn(const std::vector<MapMenuItem>& items, int id) {
  for (const auto& item : items) {
    if (item.id == id && id != 0) return &item;
    if (const auto* inner = FindIn(item.items, id)) return inner;
  }
  return nullptr;
}

}  // namespace

const MapMenuItem* MapContextMenu::Find(int id) const { return FindIn(items, id); }

MapContextMenu BuildMapContextMenu(const KTarvixProject& project, const DisplayState& state, Point at) {
  const auto* set = state.CurrentSet(project);
  const bool hasProfiles = set && !set->profiles.empty();
  const bool gps = project.IsGPSProject();
  MapMenuItem exports{0, "Export", hasProfiles,
                      {{mapmenu::kExportDxf, "DXF", true, {}}, {mapmenu::kExportAscii, "ASCII", true, {}}}};
  if (gps) exports.items.push_back({mapmenu::kExportTrelwin, "Trelwin", true, {}});
  MapContextMenu menu;
  menu.at = at;
  menu.items = {{mapmenu::kEditMarker, "Edit marker", state.selectedMarker != -1, {}},
                {mapmenu::kProperties, "Properties", hasProfiles && !gps, {}},
                {0, "", true, {}},
                exports};
  return menu;
}

}  // namespace tarvix
