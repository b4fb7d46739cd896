#include "sitemap/CMapView.h"

#include <algorithm>
#include <climits>
#include <exception>

#include "app/AppContext.h"
#include "document/CTarvixDoc.h"
#include "platform/UserInterface.h"
#include "profileview/MarkerListModel.h"
#include "sitemap/MapAxes.h"
#include "sitemap/MapCommands.h"
#include "sitemap/MapEditing.h"
#include "sitemap/MapExtent.h"
#include "sitemap/MapPainter.h"
#include "sitemap/MapPicking.h"
#include "sitemap/MapStatusText.h"
#include "sitemap/MapViewWindow.h"

namespace tarvix {

namespace {

// The frame around the plot and the fitted project.
constexpr int kMargin = 50;
constexpr int kWheelNotch = 120;
constexpr std::size_t kLongestErrorText = 100;
constexpr Colour kWhite = Rgb(255, 255, 255);

int ToInt(long long value) { return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)); }

void ShowWarning(const std::string& text) {
  App().ui.ShowMessage({text, "Warning", MessageIcon::Warning, MessageButtons::Ok});
}

MapResponse Repaint(bool scrollBars = false, bool repaint = true) {
  MapResponse response;
  response.repaint = repaint;
  response.scrollBars = scrollBars;
  return response;
}

MapResponse Showing(MapCursor cursor) {
  MapResponse response;
  response.cursor = cursor;
  return response;
}

// After a fit: no zoom tool, and the box back at the factor 1.
MapResponse Fitted() {
  MapResponse response = Repaint(true);
  response.cursor = MapCursor::Arrow;
  response.zoomBoxText = ZoomBoxText(1.0f);
  return response;
}

MapCursor ToolCursor(int toolMode) {
  if (toolMode == 1) return MapCursor::ZoomIn;
  if (toolMode == 2) return MapCursor::ZoomOut;
  return MapCursor::Arrow;
}

}  // namespace

CMapView::CMapView(CTarvixDoc& document, MarkerListModel& markerList) : doc_(document), markers_(markerList) {}

MapTransform CMapView::Transform() const {
  const bool swap = !doc_.project.IsGPSProject() && App().settings.Orientation == 0;
  return {zoom, scrollX, scrollY, client_.cy, printMargin, swap};
}

Rect CMapView::ComputeExtents(bool setScroll) {
  const Rect extent = ComputeMapExtent(doc_.project, Transform().swapAxes);
  if (setScroll) {
    scrollX = extent.left;
    scrollY = extent.top;
  }
  return extent;
}

void CMapView::FitTo(Fit fit) {
  toolMode = 0;
  const Rect extent = ComputeExtents(true);
  // A window no larger than its margins still gets a usable, positive zoom.
  const float width = static_cast<float>(std::max(client_.cx - 2 * kMargin, 1)) / static_cast<float>(extent.Width());
  const float height =
      static_cast<float>(std::max(client_.cy - 2 * kMargin, 1)) / static_cast<float>(extent.Height());
  zoom = fit == Fit::Width ? width : fit == Fit::Height ? height : std::min(width, height);
  referenceZoom = zoom;
  scrollX = ToInt(static_cast<long long>(TruncToInt(scrollX * zoom)) - kMargin);
  scrollY = ToInt(static_cast<long long>(TruncToInt(scrollY * zoom)) - kMargin);
}

void CMapView::FitAll() { FitTo(Fit::Both); }

void CMapView::UpdateScrollBars() {
  const Rect e = ComputeMapExtent(doc_.project, Transform().swapAxes);
  MapScrollBar& h = bars_.horizontal;
  MapScrollBar& v = bars_.vertical;
  if (!doc_.project.IsGPSProject()) {
    h = {TruncToInt(e.left * zoom - kMargin), TruncToInt(e.right * zoom + 3 * kMargin), 30, scrollX};
    v = {TruncToInt(e.top * zoom - kMargin), TruncToInt(e.bottom * zoom + 3 * kMargin), 30, 0};
    v.position = ToInt(static_cast<long long>(v.min) + v.max - scrollY);
  } else {
    h.min = 0;
    h.max = TruncToInt(e.Width() * zoom);
    h.page = h.max / 5;
    h.position = TruncToInt(scrollX - e.left * zoom);
    v.min = 0;
    v.max = TruncToInt(e.Height() * zoom);
    v.page = v.max / 5;
    v.position = TruncToInt(v.max - (scrollY - e.top * zoom));
  }
}

void CMapView::Tell(const MapResponse& response) const {
  if (window_) window_->Apply(response);
}

void CMapView::OnUpdate(int) {
  hoverIndex_.Invalidate();
  Tell(Repaint());
}

void CMapView::OnInitialUpdate() {
  hoverIndex_.Invalidate();
  PlaceMapScrollBars(bars_, client_);
  FitAll();
  UpdateScrollBars();
  // A fit again after a zoom must not leave the old factor in the box.
  Tell(Fitted());
}

void CMapView::RepaintNow() {
  hoverIndex_.Invalidate();
  Tell(Repaint());
}

void CMapView::OnDestroy() { doc_.MapFrameDestroyed(); }

bool CMapView::StoresPlacement() const { return doc_.loaded != 0; }

MapResponse CMapView::OnSize(int cx, int cy) {
  if (cx == 0 || cy == 0) return {};
  client_ = {cx, cy};
  PlaceMapScrollBars(bars_, client_);
  UpdateScrollBars();
  return Repaint(true);
}

bool CMapView::HasProfiles() const {
  return std::any_of(doc_.project.sets.begin(), doc_.project.sets.end(),
                     [](const auto& set) { return !set->profiles.empty(); });
}

void CMapView::OnDraw(Canvas& canvas) {
  printMargin = 0;
  canvas.FillRect({0, 0, client_.cx, client_.cy}, kWhite);
  PaintMapPlan(canvas, {doc_.project, doc_.state, markers_, Transform(), App().settings.MaxProfile});
  if (showScales && HasProfiles()) DrawAxes(canvas);
}

void CMapView::DrawAxes(Canvas& canvas) {
  const Rect plot = Rect{0, 0, client_.cx, client_.cy}.Inflate(-kMargin);
  // The plan shows only inside the plot; the scales take the white frame around it.
  canvas.FillRect({0, 0, client_.cx, plot.top}, kWhite);
  canvas.FillRect({0, plot.bottom, client_.cx, client_.cy}, kWhite);
  canvas.FillRect({0, plot.top, plot.left, plot.bottom}, kWhite);
  canvas.FillRect({plot.right, plot.top, client_.cx, plot.bottom}, kWhite);
  MapAxesSetup setup;
  setup.plot = plot;
  setup.dataOffsetX = scrollX;
  setup.dataOffsetY = scrollY;
  setup.zoom = zoom;
  setup.gpsProject = doc_.project.IsGPSProject();
  setup.utmDisplay = utmDisplay;
  setup.showGrid = showGrid;
  axisMultiplier = ConfigureMapAxes(axes, setup);
  axes.Draw(canvas, AxisSide::All);
  axes.DrawGrid(canvas);
}

void CMapView::DrawToolTip(Canvas& canvas) const {
  if (toolTip_) DrawMapToolTip(canvas, *toolTip_);
}

CommandState CMapView::StateOf(int id) const {
  using namespace mapcommand;
  switch (id) {
    case kZoomIn: return {true, toolMode == 1};
    case kZoomOut: return {true, toolMode == 2};
    case kShowScales: return {true, showScales};
    case kShowGrid: return {true, showGrid};
    case kUtmDisplay: return {true, utmDisplay};
    default: return {true, false};
  }
}

MapResponse CMapView::Refit(Fit fit) {
  FitTo(fit);
  UpdateScrollBars();
  return Fitted();
}

MapResponse CMapView::OnCommand(int id) {
  using namespace mapcommand;
  switch (id) {
    case kDefaultView: return Refit(Fit::Both);
    case kHorizontalFit: return Refit(Fit::Width);
    case kVerticalFit: return Refit(Fit::Height);
    case kZoomIn: toolMode = toolMode == 1 ? 0 : 1; return {};
    case kZoomOut: toolMode = toolMode == 2 ? 0 : 2; return {};
    case kShowScales: showScales = !showScales; return Repaint();
    case kShowGrid:
      if (!showScales) return {};
      showGrid = !showGrid;
      return Repaint();
    case kUtmDisplay: utmDisplay = !utmDisplay; return Repaint();
    case kMoveLeft: return ScrollBy(true, ScrollCode::LineBack, 0);
    case kMoveRight: return ScrollBy(true, ScrollCode::LineForward, 0);
    case kMoveUp: return ScrollBy(false, ScrollCode::LineBack, 0);
    case kMoveDown: return ScrollBy(false, ScrollCode::LineForward, 0);
    default: return {};
  }
}

MapResponse CMapView::ScrollBy(bool horizontal, ScrollCode code, int thumb) {
  MapScrollBar& bar = horizontal ? bars_.horizontal : bars_.vertical;
  const auto target = horizontal ? HorizontalScrollTarget(bar, code, thumb) : VerticalScrollTarget(bar, code, thumb);
  if (!target) return {};
  const long long moved = static_cast<long long>(*target) - bar.position;
  // The world goes up as the vertical bar goes down the window.
  if (horizontal)
    scrollX = ToInt(scrollX + moved);
  else
    scrollY = ToInt(scrollY - moved);
  bar.position = *target;
  return Repaint(true);
}

MapResponse CMapView::OnHScroll(ScrollCode code, int thumb) { return ScrollBy(true, code, thumb); }

MapResponse CMapView::OnVScroll(ScrollCode code, int thumb) { return ScrollBy(false, code, thumb); }

bool CMapView::OutsidePlot(Point point) const {
  return showScales && !Rect{0, 0, client_.cx, client_.cy}.Inflate(-kMargin).Contains(point);
}

MapResponse CMapView::ZoomAt(Point point) {
  const float old = static_cast<float>(zoom);
  zoom = toolMode == 1 ? old * 1.2 : old / 1.2;
  const float factor = static_cast<float>(zoom / referenceZoom);
  // The clicked point comes to the middle of the window.
  scrollX = TruncToInt((static_cast<double>(scrollX) + point.x) * zoom / old - client_.cx / 2);
  scrollY = TruncToInt((static_cast<double>(scrollY) + client_.cy - point.y) * zoom / old - client_.cy / 2);
  UpdateScrollBars();
  MapResponse response = Repaint(true);
  response.zoomBoxText = ZoomBoxText(factor);
  return response;
}

MapResponse CMapView::Select(Point point, bool keepSelection, bool leftButton) {
  const bool hit = SelectAt(doc_.project, doc_.state, markers_, Transform(), point, keepSelection);
  if (leftButton && hit) lastClickHitMarker = true;
  doc_.RefreshProfileViews();
  return Repaint();
}

MapResponse CMapView::OnLButtonDown(Point point, MapModifiers modifiers) {
  lastClickHitMarker = false;
  if (OutsidePlot(point)) return {};
  if (toolMode == 1 || toolMode == 2) return ZoomAt(point);
  return Select(point, modifiers.ctrl, true);
}

MapResponse CMapView::OnLButtonUp(Point point) {
  if (OutsidePlot(point) || (toolMode != 1 && toolMode != 2)) return {};
  return Showing(ToolCursor(toolMode));
}

MapResponse CMapView::OnLButtonDblClk(Point point) {
  if (OutsidePlot(point) || toolMode == 1 || toolMode == 2) return {};
  if (lastClickHitMarker) {
    EditMarker();
  } else if (!doc_.project.IsGPSProject() && doc_.CurrentSetHasProfiles()) {
    EditProperties();
  }
  lastClickHitMarker = false;
  return Repaint();
}

MapResponse CMapView::OnRButtonDown(Point point, MapModifiers modifiers) {
  if (OutsidePlot(point)) return {};
  MapResponse response = Select(point, modifiers.ctrl, false);
  menu_.reset();
  if (doc_.state.CurrentSet(doc_.project)) {
    menu_ = BuildMapContextMenu(doc_.project, doc_.state, point);
    response.contextMenu = menu_;
  }
  return response;
}

MapResponse CMapView::OnContextMenuCommand(int id) {
  const MapMenuItem* item = menu_ ? menu_->Find(id) : nullptr;
  if (!item || !item->enabled) return {};
  switch (id) {
    case mapmenu::kEditMarker: EditMarker(); break;
    case mapmenu::kProperties: EditProperties(); break;
    case mapmenu::kExportDxf: Export(command::kExportDxf, "DXF export"); break;
    case mapmenu::kExportAscii: Export(command::kExportAscii, "ASCII export"); break;
    case mapmenu::kExportTrelwin: Export(command::kExportTrelwin, "Trelwin export"); break;
    default: break;
  }
  return Repaint();
}

void CMapView::EditMarker() {
  if (!editing_) return ShowWarning("Editing markers is not available yet.");
  editing_->EditSelectedMarker();
}

void CMapView::EditProperties() {
  if (!editing_) return ShowWarning("Profile properties are not available yet.");
  if (editing_->EditProfileProperties() == 1) doc_.SetModifiedFlag();
}

void CMapView::Export(int command, const char* name) {
  if (!doc_.Commands().Run(command)) ShowWarning(std::string(name) + " is not available yet.");
}

MapResponse CMapView::OnMouseMove(Point point) {
  lastMousePoint = point;
  MapResponse response = Showing(MapCursor::Arrow);
  if (OutsidePlot(point)) return response;
  response.cursor = ToolCursor(toolMode);
  try {
    response.Merge(Hover(point));
  } catch (const std::exception& error) {
    ShowWarning(std::string(error.what()).substr(0, kLongestErrorText));
  }
  return response;
}

MapResponse CMapView::Hover(Point point) {
  const int previous = hoveredMarker;
  hoveredMarker = -1;
  const MapTransform transform = Transform();
  const Rect box = ReachOf(point, 5);
  const auto hits = hoverIndex_.ProfilesIn(doc_.project, transform, box);
  // A later profile wins; the profile stays hovered when the mouse moves off it.
  if (!hits.empty()) {
    hoveredSet = hits.back().set;
    hoveredProfile = hits.back().profile;
  }
  toolTip_ = ToolTipIn(doc_.project, transform, box);
  if (toolTip_) {
    hoveredMarker = toolTip_->marker;
    return Repaint(false, hoveredMarker != previous);
  }
  return Repaint(false, previous >= 0);
}

MapResponse CMapView::MoveFirstProfile(int step) {
  auto& state = doc_.state;
  const auto* set = state.CurrentSet(doc_.project);
  const int last = set ? static_cast<int>(set->profiles.size()) - 1 : -1;
  if (step < 0 ? state.firstProfile <= 0 : (!set || state.firstProfile >= last)) return {};
  state.firstProfile += step;
  doc_.RefreshProfileViews();
  return Repaint();
}

MapResponse CMapView::OnKeyDown(MapKey key, MapModifiers modifiers) {
  using namespace mapcommand;
  switch (key) {
    case MapKey::Escape: return OnCommand(kDefaultView);
    case MapKey::Left: return modifiers.shift ? MoveFirstProfile(-1) : OnCommand(kMoveLeft);
    case MapKey::Right: return modifiers.shift ? MoveFirstProfile(1) : OnCommand(kMoveRight);
    case MapKey::Up: return OnCommand(kMoveUp);
    case MapKey::Down: return OnCommand(kMoveDown);
    case MapKey::KeypadMultiply: return OnCommand(kZoomIn);
    case MapKey::KeypadDivide: return OnCommand(kZoomOut);
    case MapKey::Other: return {};
  }
  return {};
}

MapResponse CMapView::OnMouseWheel(int delta, MapModifiers modifiers) {
  const int notches = std::max(1, std::abs(delta) / kWheelNotch);
  MapResponse response;
  if (delta == 0) return response;
  const ScrollCode code = delta > 0 ? ScrollCode::LineBack : ScrollCode::LineForward;
  for (int n = 0; n < notches; ++n) response.Merge(ScrollBy(modifiers.shift, code, 0));
  return response;
}

const KRadarProfile* CMapView::HoveredProfile() const {
  const auto& sets = doc_.project.sets;
  if (hoveredSet < 0 || hoveredSet >= static_cast<int>(sets.size())) return nullptr;
  const auto& profiles = sets[static_cast<std::size_t>(hoveredSet)]->profiles;
  if (hoveredProfile < 0 || hoveredProfile >= static_cast<int>(profiles.size())) return nullptr;
  return profiles[static_cast<std::size_t>(hoveredProfile)].get();
}

std::string CMapView::PaneText(int pane) const {
  const KRadarProfile* hovered = HoveredProfile();
  if (pane == kMapProfilePane) return hovered ? ProfileFileText(*hovered) : " ";
  if (pane != kMapPositionPane) return " ";
  if (!showScales) return hovered ? ProfileSizeText(*hovered) : " ";
  const point3D world = ScreenToWorld(lastMousePoint);
  if (!doc_.project.IsGPSProject()) return LocalPositionText(world);
  return utmDisplay ? UtmPositionText(world) : GeographicPositionText(world);
}

}  // namespace tarvix
