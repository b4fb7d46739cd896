#pragma once
#include <optional>
#include <string>

#include "sitemap/MapContextMenu.h"

namespace tarvix {

// Keys held during a mouse or key event.
struct MapModifiers {
  bool shift = false;
  bool ctrl = false;
};

// The keys the map acts on; everything else is Other.
enum class MapKey { Escape, Left, Right, Up, Down, KeypadMultiply, KeypadDivide, Other };

// The mouse cursor over the map.
enum class MapCursor { Arrow, ZoomIn, ZoomOut };

// What the window is to do after the map handled an event.
struct MapResponse {
  bool repaint = false;     // repaint the map at once
  bool scrollBars = false;  // show the view's scroll bars again
  std::optional<MapCursor> cursor;
  std::optional<std::string> zoomBoxText;
  std::optional<MapContextMenu> contextMenu;  // open it and hand the choice back

  // Adds what a later step asks for.
  void Merge(const MapResponse& later);
};

}  // namespace tarvix
