#pragma once

namespace tarvix {

// What a scroll bar of the profile view was asked to do.
enum class ScrollAction { LineBack, LineForward, PageBack, PageForward, ToStart, ToEnd, Track, EndScroll };

// A scroll bar's range as the view sets it (both ends reachable) and its current position.
struct ScrollRange {
  int min = 0;
  int max = 0;
  int position = 0;
};

// The new first display column: lines of 10 columns, pages of half the image width, never
// before the range's start nor so far that the image would run past its end.
int HorizontalScrollTarget(const ScrollRange& bar, int imageWidth, ScrollAction action, int trackPosition);
// The new first sample: the same steps with half the image height for a page, ending one band
// before the range's end; nothing moves at the end of a scroll.
int VerticalScrollTarget(const ScrollRange& bar, int imageHeight, int bandHeight, ScrollAction action,
                         int trackPosition);
// A move by `delta` columns or samples (mouse wheel, arrow keys) limited like the bars' own steps.
int HorizontalMoveTarget(const ScrollRange& bar, int imageWidth, int delta);
int VerticalMoveTarget(const ScrollRange& bar, int bandHeight, int delta);

}  // namespace tarvix
