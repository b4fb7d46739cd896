#pragma once
#include "platform/Geometry.h"

namespace tarvix {

// One scroll bar of the profile view as the window shows it: its place in the client area, the
// range min..max (both reachable, as window scroll bars count), the page and the position. A bar
// with nothing to scroll is shown disabled.
struct ScrollBarState {
  Rect place;
  int min = 0;
  int max = 0;
  int page = 0;
  int position = 0;
  bool enabled = false;

  friend bool operator==(const ScrollBarState&, const ScrollBarState&) = default;
};

// The view's bars are 16 pixels thick along the bottom and the right edge.
constexpr int kScrollBarThickness = 16;

}  // namespace tarvix
