#pragma once
#include <optional>
#include <string>

#include "document/Commands.h"
#include "document/MapDocumentView.h"
#include "platform/Canvas.h"
#include "sitemap/AxisFrame.h"
#include "sitemap/MapEvents.h"
#include "sitemap/MapHoverIndex.h"
#include "sitemap/MapScrollBars.h"
#include "sitemap/MapToolTip.h"
#include "sitemap/MapTransform.h"

namespace tarvix {

class CTarvixDoc;
class MapEditing;
class MapViewWindow;
class MarkerListModel;

// The site map of the open project: every baseline, profile and visible marker in plan, the
// stretch of each profile the profile view shows, and optional scales and grid. The view keeps
// only its own drawing state; every paint reads the project and the document's display state.
// The window around it (or tarvix-cli) feeds it the events and carries out its responses.
class CMapView : public MapDocumentView {
 public:
  CMapView(CTarvixDoc& document, MarkerListModel& markerList);

  // The window told about changes that come from the document; none is fine.
  void SetWindow(MapViewWindow* window) { window_ = window; }
  // The document's marker and profile dialogs, once they exist.
  void SetEditing(MapEditing* editing) { editing_ = editing; }

  // The view's state.
  int scrollX = 0;
  int scrollY = 0;
  Point lastMousePoint;
  double zoom = 1.0;           // pixels per world unit
  double referenceZoom = 1.0;  // the zoom of the last fit
  int hoveredProfile = -1;
  int hoveredSet = -1;
  bool showScales = true;
  bool showGrid = false;
  bool utmDisplay = false;
  bool lastClickHitMarker = false;
  int hoveredMarker = -1;
  int toolMode = 0;  // 0 select, 1 zoom-in tool, 2 zoom-out tool
  int printMargin = 0;
  int axisMultiplier = 1;
  AxisFrame axes;

  Size ClientSize() const { return client_; }
  MapTransform Transform() const;
  Point WorldToScreen(const point3D& world) const { return Transform().WorldToScreen(world); }
  point3D ScreenToWorld(Point pixel) const { return Transform().ScreenToWorld(pixel); }
  // The project's extent; with setScroll the scroll offsets move to its left and top.
  Rect ComputeExtents(bool setScroll);
  // Fits the whole project into the window, 50 pixels in from every edge.
  void FitAll();
  void UpdateScrollBars();
  const MapScrollBars& ScrollBars() const { return bars_; }

  // The document's calls.
  void OnUpdate(int hint) override;
  void OnInitialUpdate() override;
  void RepaintNow() override;
  // The window goes: the document forgets its map. Its placement is kept only for a project
  // that was opened or created.
  void OnDestroy();
  bool StoresPlacement() const;

  MapResponse OnSize(int cx, int cy);
  // Paints the whole client area on the canvas (white first, then the plan, then the axes).
  void OnDraw(Canvas& canvas);
  // The marker tool tip, when one is up, over what OnDraw painted.
  void DrawToolTip(Canvas& canvas) const;
  const std::optional<MapToolTip>& ToolTip() const { return toolTip_; }

  // Tool bar and keyboard commands (mapcommand ids).
  CommandState StateOf(int id) const;
  MapResponse OnCommand(int id);

  MapResponse OnLButtonDown(Point point, MapModifiers modifiers);
  MapResponse OnLButtonUp(Point point);
  MapResponse OnLButtonDblClk(Point point);
  MapResponse OnRButtonDown(Point point, MapModifiers modifiers);
  // The entry chosen from the last context menu (mapmenu ids).
  MapResponse OnContextMenuCommand(int id);
  MapResponse OnMouseMove(Point point);
  MapResponse OnKeyDown(MapKey key, MapModifiers modifiers);
  // One line step per notch (120 units): up and down, or left and right with Shift.
  MapResponse OnMouseWheel(int delta, MapModifiers modifiers);
  MapResponse OnHScroll(ScrollCode code, int thumb);
  MapResponse OnVScroll(ScrollCode code, int thumb);

  // The texts of the status bar panes kMapProfilePane and kMapPositionPane; " " when nothing applies.
  std::string PaneText(int pane) const;

 private:
  enum class Fit { Both, Width, Height };
  void FitTo(Fit fit);
  MapResponse Refit(Fit fit);
  bool OutsidePlot(Point point) const;
  bool HasProfiles() const;
  MapResponse ZoomAt(Point point);
  MapResponse Select(Point point, bool keepSelection, bool leftButton);
  MapResponse Hover(Point point);
  MapResponse ScrollBy(bool horizontal, ScrollCode code, int thumb);
  MapResponse MoveFirstProfile(int step);
  void DrawAxes(Canvas& canvas);
  void EditMarker();
  void EditProperties();
  void Export(int command, const char* name);
  const KRadarProfile* HoveredProfile() const;
  void Tell(const MapResponse& response) const;

  CTarvixDoc& doc_;
  MarkerListModel& markers_;
  MapViewWindow* window_ = nullptr;
  MapEditing* editing_ = nullptr;
  Size client_;
  MapScrollBars bars_;
  MapHoverIndex hoverIndex_;
  std::optional<MapToolTip> toolTip_;
  std::optional<MapContextMenu> menu_;
};

}  // namespace tarvix
