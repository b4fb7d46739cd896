// The document's marker operations behind the profile view and the marker list.
#include "app/AppContext.h"
#include "app/TextHelpers.h"
#include "document/CMrkDlg.h"
#include "document/CTarvixDoc.h"
#include "document/DocumentHost.h"
#include "document/MarkerCoordinate.h"
#include "profileview/DisplayDirection.h"
#include "profileview/DisplayedProfiles.h"
#include "profileview/GlobalMarkers.h"
#include "profileview/MarkerListModel.h"

namespace tarvix {

namespace {

int GlobalIndexOf(KTarvixProject& project, const KMarker* wanted) {
  int found = -1;
  ForEachMarker(project, [&](KRadarProfile&, KMarker& marker, int global) {
    if (&marker == wanted) found = global;
  });
  return found;
}

}  // namespace

void CTarvixDoc::InsertMarker(int type, int band, Point point) {
  auto* set = state.CurrentSet(project);
  if (!set) return;
  const int index = FirstDisplayedIndex(project, state) + band;
  if (index < 0 || index >= static_cast<int>(set->profiles.size())) return;
  KRadarProfile& profile = *set->profiles[static_cast<std::size_t>(index)];
  const int traces = profile.header.lastTrace;
  KMarker marker;
  marker.trace = IsDisplayedForward(profile, state.baselineOrderFromEnd) ? point.x : traces - point.x - 1;
  marker.sample = point.y;
  marker.type = static_cast<std::int16_t>(type & 0xff);
  marker.visible = 1;
  profile.markers.items.push_back(marker);
  state.selectedMarkerRef = &profile.markers.items.back();
  state.selectedMarker = GlobalIndexOf(project, state.selectedMarkerRef);
  host_.MarkerList().MarkersChanged(0, this);
  UpdateAllViews(0);
  SetModifiedFlag();
}

void CTarvixDoc::EditSelectedMarker() {
  const auto& list = host_.MarkerList();
  int edited = 0;
  ForEachMarker(project, [&](KRadarProfile&, KMarker&, int global) {
    if (list.IsMarkerSelected(global)) ++edited;
  });
  const MarkerPlace place = FindMarker(project, state.selectedMarker);
  if (!place.marker) return;
  KRadarProfile& profile = *place.profile;
  KMarker& marker = *place.marker;

  CMrkDlg dialog;
  dialog.profile = FileNameOfPath(profile.GetDataPath());
  dialog.trace = marker.trace;
  dialog.sample = marker.sample;
  dialog.type = marker.type;
  dialog.comment = marker.comment;
  dialog.traceCount = profile.header.lastTrace;
  dialog.sampleCount = profile.header.GetSamples();
  dialog.markersEdited = edited;
  dialog.coordinate = MarkerCoordinate(profile, marker);
  if (!App().ui.RunModal(dialog)) return;

  if (edited > 1) {
    ForEachMarker(project, [&](KRadarProfile&, KMarker& each, int global) {
      if (list.IsMarkerSelected(global)) each.comment = dialog.comment;
    });
  } else {
    marker.trace = dialog.trace;
    marker.sample = dialog.sample;
    marker.type = static_cast<std::int16_t>(dialog.type);
    marker.comment = dialog.comment;
  }
  state.selectedMarkerRef = &marker;
  state.selectedMarker = GlobalIndexOf(project, &marker);
  host_.MarkerList().MarkersChanged(edited <= 1 ? state.selectedMarker + 1 : 0, this);
  UpdateAllViews(0);
  SetModifiedFlag();
}

void CTarvixDoc::SetMarkersVisible(MarkerScope scope, bool visible) {
  auto& list = host_.MarkerList();
  const KMarker* selected = state.selectedMarkerRef;
  if (scope == MarkerScope::Type && !selected) return;
  const int type = selected ? selected->type : 0;
  std::vector<int> changed;
  ForEachMarker(project, [&](KRadarProfile&, KMarker& marker, int global) {
    const bool hit = scope == MarkerScope::All || (scope == MarkerScope::Selected && list.IsMarkerSelected(global)) ||
                     (scope == MarkerScope::Type && marker.type == type);
    if (hit) {
      marker.visible = visible ? 1 : 0;
      changed.push_back(global);
    }
  });
  // The rows keep their texts; their colours follow.
  for (int row : changed) list.MarkersChanged(row + 1, this);
  UpdateAllViews(0);
}

void CTarvixDoc::SelectMarkersOfType(bool all) {
  auto& list = host_.MarkerList();
  const KMarker* selected = state.selectedMarkerRef;
  if (!all && !selected) return;
  const int type = selected ? selected->type : 0;
  std::vector<int> rows;
  ForEachMarker(project, [&](KRadarProfile&, KMarker& marker, int global) {
    if (all || marker.type == type) rows.push_back(global);
  });
  for (int row : rows) list.SelectMarker(row, true);
}

}  // namespace tarvix
