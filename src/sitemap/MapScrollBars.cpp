#include "sitemap/MapScrollBars.h"

#include <algorithm>
#include <climits>

namespace tarvix {

namespace {

constexpr long long kLine = 10;
constexpr long long kPage = 50;

int ToInt(long long value) { return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)); }

}  // namespace

void PlaceMapScrollBars(MapScrollBars& bars, Size client) {
  const int t = MapScrollBars::kThickness;
  bars.horizontalRect = {0, client.cy - t, client.cx - t, client.cy};
  bars.verticalRect = {client.cx - t, 0, client.cx, client.cy - t};
}

std::optional<int> HorizontalScrollTarget(const MapScrollBar& bar, ScrollCode code, int thumb) {
  const long long old = bar.position;
  long long step = 0;
  switch (code) {
    case ScrollCode::LineBack: step = -kLine; break;
    case ScrollCode::LineForward: step = kLine; break;
    case ScrollCode::PageBack:
    case ScrollCode::ToStart: step = -kPage; break;
    case ScrollCode::PageForward:
    case ScrollCode::ToEnd: step = kPage; break;
    case ScrollCode::ThumbPosition:
    case ScrollCode::ThumbTrack: step = thumb - old; break;
    case ScrollCode::EndScroll: return std::nullopt;
  }
  long long target = std::max<long long>(old + step, bar.min);
  if (bar.max >= 0 && target + step > bar.max) target = bar.max;
  return ToInt(target);
}

std::optional<int> VerticalScrollTarget(const MapScrollBar& bar, ScrollCode code, int thumb) {
  const long long old = bar.position;
  long long target = old;
  switch (code) {
    case ScrollCode::LineBack: target = std::max<long long>(old - kLine, bar.min); break;
    case ScrollCode::LineForward: target = old + kLine; break;
    case ScrollCode::PageBack:
    case ScrollCode::ToStart: target = std::max<long long>(old - kPage, bar.min); break;
    case ScrollCode::PageForward:
    case ScrollCode::ToEnd: target = old + kPage; break;
    case ScrollCode::ThumbPosition:
    case ScrollCode::ThumbTrack:
      target = thumb;
      if (target < old) target = std::max<long long>(target, bar.min);
      break;
    case ScrollCode::EndScroll: return std::nullopt;
  }
  if (target >= old && bar.max >= 0) target = std::min<long long>(target, bar.max);
  return ToInt(target);
}

}  // namespace tarvix
