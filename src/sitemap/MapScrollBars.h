#pragma once
#include <optional>

#include "platform/Geometry.h"

namespace tarvix {

// One scroll bar of the map as the window shows it: the range includes both ends, `page` sizes
// the thumb, and a bar without anything to scroll is shown disabled.
struct MapScrollBar {
  int min = 0;
  int max = 0;
  int page = 0;
  int position = 0;
  bool Needed() const { return max > min && page <= max - min; }
  friend bool operator==(const MapScrollBar&, const MapScrollBar&) = default;
};

// Both bars, with their places in client coordinates along the bottom and the right edge.
struct MapScrollBars {
  static constexpr int kThickness = 16;
  MapScrollBar horizontal;
  MapScrollBar vertical;
  Rect horizontalRect;
  Rect verticalRect;
};

// The places of the two bars in a client area of this size.
void PlaceMapScrollBars(MapScrollBars& bars, Size client);

// What a scroll bar reports: a step toward its start or end, a page, a jump to either end, the
// thumb released or dragged at a position, or the end of a scroll.
enum class ScrollCode { LineBack, LineForward, PageBack, PageForward, ToStart, ToEnd, ThumbPosition, ThumbTrack,
                        EndScroll };

// The position a horizontal bar moves to, or none when nothing moves. A step that comes within
// one step of the maximum lands on it.
std::optional<int> HorizontalScrollTarget(const MapScrollBar& bar, ScrollCode code, int thumb);

// The same for the vertical bar, which is never taken above its minimum and, moving down, never
// past its maximum.
std::optional<int> VerticalScrollTarget(const MapScrollBar& bar, ScrollCode code, int thumb);

}  // namespace tarvix
