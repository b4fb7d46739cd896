#pragma once
#include "sitemap/MapEvents.h"

namespace tarvix {

// The window around the map, told what to do after changes that came from the document rather
// than from one of the window's own events.
class MapViewWindow {
 public:
  virtual ~MapViewWindow() = default;
  virtual void Apply(const MapResponse& response) = 0;
};

}  // namespace tarvix
