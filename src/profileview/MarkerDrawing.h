#pragma once
#include <string>

#include "platform/Canvas.h"

namespace tarvix {

// Marker drawing shared by the screen view and printing; `scale` is 1 on screen and the
// printer-to-screen ratio on paper.

// The marker's symbol at `at`: on screen always an upright cross; on paper a shape by type
// (cross, diagonal cross, square, circle, triangle). Types without a colour of their own are black.
// Leaves the thin black pen selected, the pen the callers draw with around markers.
void DrawMarkerSymbol(Canvas& canvas, Point at, int type, double scale);

// The marker's text in a rounded yellow box below and right of `anchor` (image coordinates,
// offset by `origin`), moved back inside when it would overrun `room`. Nothing for an empty text.
void DrawMarkerLabel(Canvas& canvas, Point anchor, const std::string& text, Size room, double scale, Point origin);

// Tells the user a font could not be made; drawing goes on with the current font.
void ShowFontError();

}  // namespace tarvix
