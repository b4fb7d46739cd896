#pragma once
#include "platform/Canvas.h"
#include "sitemap/MapTransform.h"

namespace tarvix {

class KRadarProfile;
class KTarvixProject;
class MarkerListModel;
struct DisplayState;

// What one paint of the map's plan reads: the project, the profile view's state and the marker
// selection, through the view's transform.
struct MapScene {
  const KTarvixProject& project;
  const DisplayState& state;
  const MarkerListModel& markers;
  MapTransform transform;
  int maxProfile = 4;  // profiles the profile view shows at once
};

// Draws every baseline, profile and visible marker, highlighting the current set, the first
// displayed profile, the selected markers and the stretch of each displayed profile that the
// profile view shows.
void PaintMapPlan(Canvas& canvas, const MapScene& scene);

// The traces [first, last] of a profile that the profile view shows, for a profile of the
// current set; none when the profile has no traces.
struct TraceStretch {
  int first = 0;
  int last = 0;
};
bool VisibleStretch(const KRadarProfile& profile, int shift, const DisplayState& state, TraceStretch& stretch);

}  // namespace tarvix
