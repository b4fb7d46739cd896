#include "sitemap/MapToolTip.h"

#include <algorithm>

#include "app/AppContext.h"
#include "platform/UserInterface.h"

namespace tarvix {

void DrawMapToolTip(Canvas& canvas, const MapToolTip& tip) {
  if (tip.text.empty()) return;
  if (!canvas.SetFont({"Arial", 12, 400, 0}))
    App().ui.ShowMessage({"Error creating font!", "ERROR", MessageIcon::Error, MessageButtons::Ok});
  Size text;
  for (std::size_t start = 0;;) {
    const std::size_t end = tip.text.find('\n', start);
    const Size line = canvas.TextExtent(tip.text.substr(start, end == std::string::npos ? end : end - start));
    text.cx = std::max(text.cx, line.cx);
    text.cy += line.cy;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  const Rect area{tip.at.x + 10, tip.at.y + 10, tip.at.x + 10 + text.cx, tip.at.y + 10 + text.cy};
  canvas.SetPen({Rgb(0, 0, 0), 1});
  canvas.SetBrush({Rgb(255, 255, 179)});
  canvas.RoundRect(area.Inflate(5), 17, 17);
  canvas.SetBackgroundMode(BackgroundMode::Transparent);
  canvas.SetTextColour(Rgb(0, 0, 0));
  canvas.DrawTextCentred(area, tip.text);
}

}  // namespace tarvix
