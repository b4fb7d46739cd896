#include "sitemap/MapEvents.h"

namespace tarvix {

void MapResponse::Merge(const MapResponse& later) {
  repaint = repaint || later.repaint;
  scrollBars = scrollBars || later.scrollBars;
  if (later.cursor) cursor = later.cursor;
  if (later.zoomBoxText) zoomBoxText = later.zoomBoxText;
  if (later.contextMenu) contextMenu = later.contextMenu;
}

}  // namespace tarvix
