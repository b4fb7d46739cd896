#pragma once
#include <string>

#include "platform/Canvas.h"

namespace tarvix {

// The label shown while the mouse rests on a marker with a comment: the comment in upper case
// in a light yellow box whose text area starts 10 pixels right of and below the marker.
struct MapToolTip {
  int marker = -1;  // global marker index
  Point at;         // the marker's pixel
  std::string text;
};

void DrawMapToolTip(Canvas& canvas, const MapToolTip& tip);

}  // namespace tarvix
