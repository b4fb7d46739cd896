#include "sitemap/MapPicking.h"

#include <cctype>
#include <cmath>

#include "model/KTarvixProject.h"
#include "profileview/DisplayState.h"
#include "profileview/MarkerListModel.h"

namespace tarvix {

namespace {

std::string UpperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

Rect ReachOf(Point point, int reach) { return {point.x - reach, point.y - reach, point.x + reach, point.y + reach}; }

bool SelectAt(KTarvixProject& project, DisplayState& state, MarkerListModel& markers, const MapTransform& transform,
              Point click, bool keepSelection) {
  if (!keepSelection) {
    state.ClearMarkerSelection();
    markers.SelectMarker(-1, false);
  }
  const Rect box = ReachOf(click, 4);
  const point3D world = transform.ScreenToWorld(click);
  bool hitMarker = false;
  bool nearestFound = false;
  double nearest = 0;
  int global = 0;
  for (std::size_t s = 0; s < project.sets.size(); ++s) {
    const auto& profiles = project.sets[s]->profiles;
    for (std::size_t p = 0; p < profiles.size(); ++p) {
      KRadarProfile& profile = *profiles[p];
      const int index = static_cast<int>(p);
      bool taken = false;
      for (auto& marker : profile.markers.items) {
        const int g = global++;
        if (taken || marker.visible == 0 || !box.Contains(transform.WorldToScreen(profile.GetTracePosition(marker.trace))))
          continue;
        markers.SelectMarker(g, false);
        state.selectedMarker = g;
        state.selectedMarkerRef = &marker;
        state.selectedProfile = index;
        taken = hitMarker = true;
      }
      const double distance = std::fabs(profile.DistanceToPoint(world));
      if (!nearestFound || distance < nearest) {
        nearestFound = true;
        nearest = distance;
        state.currentSet = static_cast<int>(s);
        state.selectedProfile = state.firstProfile = index;
      }
    }
  }
  return hitMarker;
}

std::optional<MapToolTip> ToolTipIn(const KTarvixProject& project, const MapTransform& transform, const Rect& box) {
  std::optional<MapToolTip> tip;
  int global = 0;
  for (const auto& set : project.sets)
    for (const auto& profile : set->profiles) {
      bool taken = false;
      for (const auto& marker : profile->markers.items) {
        const int g = global++;
        if (taken || marker.visible == 0 || marker.comment.empty()) continue;
        const Point at = transform.WorldToScreen(profile->GetTracePosition(marker.trace));
        if (!box.Contains(at)) continue;
        tip = MapToolTip{g, at, UpperCase(marker.comment)};
        taken = true;
      }
    }
  return tip;
}

}  // namespace tarvix
