#include "profileview/MarkerListMenu.h"

#include "document/CTarvixDoc.h"
#include "profileview/GlobalMarkers.h"

namespace tarvix {

namespace {

enum MenuId {
  kEdit = 1,
  kDelete,
  kHide,
  kHideType,
  kHideAll,
  kShow,
  kShowType,
  kShowAll,
  kSelectType,
  kSelectAll
};

}  // namespace

PopupMenu MarkerListMenu(CTarvixDoc& document) {
  auto& state = document.state;
  if (state.selectedMarker < 0) return {};
  state.selectedMarkerRef = FindMarker(document.project, state.selectedMarker).marker;
  return {{kEdit, "Edit marker"},
          {kDelete, "Delete marker"},
          MenuItem::Separator(),
          {kHide, "Hide marker"},
          {kHideType, "Hide marker by type"},
          {kHideAll, "Hide all markers"},
          MenuItem::Separator(),
          {kShow, "Show marker"},
          {kShowType, "Show marker by type"},
          {kShowAll, "Show all markers"},
          MenuItem::Separator(),
          {kSelectType, "Select marker by type"},
          {kSelectAll, "Select all markers"}};
}

void RunMarkerListCommand(CTarvixDoc& document, int id) {
  using Scope = CTarvixDoc::MarkerScope;
  switch (id) {
    case kEdit:
      document.EditSelectedMarker();
      break;
    case kDelete:
      document.DeleteSelectedMarkers();
      break;
    case kHide:
    case kShow:
      document.SetMarkersVisible(Scope::Selected, id == kShow);
      break;
    case kHideType:
    case kShowType:
      document.SetMarkersVisible(Scope::Type, id == kShowType);
      break;
    case kHideAll:
    case kShowAll:
      document.SetMarkersVisible(Scope::All, id == kShowAll);
      break;
    case kSelectType:
    case kSelectAll:
      document.SelectMarkersOfType(id == kSelectAll);
      break;
    default:
      break;
  }
}

}  // namespace tarvix
