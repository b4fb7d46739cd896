#include "profileview/MarkerDrawing.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "app/AppContext.h"
#include "platform/UserInterface.h"
#include "profileview/MarkerTypeColour.h"

namespace tarvix {

namespace {

constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kLabelBackground = Rgb(255, 255, 179);

int Scaled(double length, double scale) { return static_cast<int>(length * scale); }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find('\n', from)) != std::string::npos; from = at + 1)
    lines.push_back(text.substr(from, at - from));
  lines.push_back(text.substr(from));
  return lines;
}

}  // namespace

void ShowFontError() {
  App().ui.ShowMessage({"Error creating font!", "ERROR", MessageIcon::Error, MessageButtons::Ok});
}

void DrawMarkerSymbol(Canvas& canvas, Point at, int type, double scale) {
  const int d = Scaled(5, scale);
  const int x = at.x;
  const int y = at.y;
  canvas.SetPen({MarkerTypeColour(type), Scaled(3, scale), PenStyle::Solid});
  canvas.SetBrush({kBlack, BrushStyle::None});
  const int shape = canvas.IsPrinting() ? type : 0;
  switch (shape) {
    case 1:
      canvas.Line({x - d, y - d}, {x + d, y + d});
      canvas.Line({x + d, y - d}, {x - d, y + d});
      break;
    case 2:
      canvas.Rectangle({x - d, y - d, x + d, y + d});
      break;
    case 3:
      canvas.Ellipse({x - d, y - d, x + d, y + d});
      break;
    case 4:
      canvas.Polygon({{x, y - d}, {x + d, y}, {x - d, y}});
      break;
    default:
      canvas.Line({x - d, y}, {x + d, y});
      canvas.Line({x, y - d}, {x, y + d});
      break;
  }
  canvas.SetPen({kBlack, 1, PenStyle::Solid});
}

void DrawMarkerLabel(Canvas& canvas, Point anchor, const std::string& text, Size room, double scale, Point origin) {
  if (text.empty()) return;
  if (!canvas.SetFont({"Arial", Scaled(12, scale), 400, 0})) ShowFontError();

  int width = 0;
  int height = 0;
  for (const auto& line : Lines(text)) {
    const Size extent = canvas.TextExtent(line);
    width = std::max(width, extent.cx);
    height += extent.cy;
  }
  Rect box = Rect{anchor.x, anchor.y, anchor.x + width, anchor.y + height}.Offset(origin.x, origin.y).Inflate(
      Scaled(5, scale));

  bool movedUp = false;
  if (box.Height() > room.cy) {
    box = box.Offset(0, Scaled(room.cy - box.Height() - 2 * scale, 1.0));
    movedUp = true;
  }
  if (box.Width() > room.cx) {
    box = box.Offset(Scaled(room.cx - box.Width() - 2 * scale, 1.0), 0);
    if (movedUp) box = box.Offset(0, anchor.y + Scaled(20, scale) - box.bottom);
  }

  canvas.SetBrush({kLabelBackground, BrushStyle::Solid});
  canvas.RoundRect(box, Scaled(17, scale), Scaled(17, scale));
  canvas.SetBackgroundMode(BackgroundMode::Transparent);
  canvas.DrawTextCentred(box.Inflate(-Scaled(5, scale)), text);
}

}  // namespace tarvix
