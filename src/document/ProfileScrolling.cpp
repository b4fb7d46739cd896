#include "document/ProfileScrolling.h"

#include <algorithm>

namespace tarvix {

namespace {

constexpr int kLine = 10;

int Step(ScrollAction action, int page, const ScrollRange& bar, int trackPosition) {
  switch (action) {
    case ScrollAction::LineBack:
      return -kLine;
    case ScrollAction::LineForward:
      return kLine;
    case ScrollAction::PageBack:
    case ScrollAction::ToStart:
      return -(page / 2);
    case ScrollAction::PageForward:
    case ScrollAction::ToEnd:
      return page / 2;
    case ScrollAction::Track:
      return trackPosition - bar.position;
    case ScrollAction::EndScroll:
      return 0;
  }
  return 0;
}

// The far end holds back `room`: the image width across, a band down. Where the data is shorter
// than that room the start wins, so the image never moves off its data.
int Limit(const ScrollRange& bar, int position, int room) {
  if (position + room > bar.max) position = bar.max - room;
  return std::max(bar.min, position);
}

}  // namespace

int HorizontalScrollTarget(const ScrollRange& bar, int imageWidth, ScrollAction action, int trackPosition) {
  return HorizontalMoveTarget(bar, imageWidth, Step(action, imageWidth, bar, trackPosition));
}

int VerticalScrollTarget(const ScrollRange& bar, int imageHeight, int bandHeight, ScrollAction action,
                         int trackPosition) {
  if (action == ScrollAction::EndScroll) return bar.position;
  return VerticalMoveTarget(bar, bandHeight, Step(action, imageHeight, bar, trackPosition));
}

int HorizontalMoveTarget(const ScrollRange& bar, int imageWidth, int delta) {
  return Limit(bar, bar.position + delta, imageWidth);
}

int VerticalMoveTarget(const ScrollRange& bar, int bandHeight, int delta) {
  return Limit(bar, bar.position + delta, bandHeight);
}

}  // namespace tarvix
