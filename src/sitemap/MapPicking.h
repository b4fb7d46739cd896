#pragma once
#include <optional>

#include "platform/Geometry.h"
#include "sitemap/MapToolTip.h"
#include "sitemap/MapTransform.h"

namespace tarvix {

class KTarvixProject;
class MarkerListModel;
struct DisplayState;

// The pixel box a click or the mouse reaches: the point grown by `reach` on every side, left
// and top inclusive, right and bottom exclusive.
Rect ReachOf(Point point, int reach);

// Selects, in every profile, the first visible marker within 4 pixels of the click (the marker
// list follows), and makes the profile nearest to the clicked point the first displayed
// profile of its set, which becomes the current set. Unless `keepSelection`, the previous
// marker selection is cleared first. True when a marker was hit.
bool SelectAt(KTarvixProject& project, DisplayState& state, MarkerListModel& markers, const MapTransform& transform,
              Point click, bool keepSelection);

// The tool tip of the last profile's first visible marker with a comment inside `box`; none when
// there is no such marker.
std::optional<MapToolTip> ToolTipIn(const KTarvixProject& project, const MapTransform& transform, const Rect& box);

}  // namespace tarvix
