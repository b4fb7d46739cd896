#include "profileview/ProfileViewInteraction.h"

#include <algorithm>
#include <cstdlib>

#include "app/AppContext.h"
#include "document/CTarvixDoc.h"
#include "document/RemoteControlModel.h"
#include "platform/UserInterface.h"
#include "profileview/CTarvixView.h"
#include "profileview/GlobalMarkers.h"
#include "profileview/MarkerListModel.h"
#include "profileview/ProfileStatusTexts.h"
#include "profileview/RemoteControlTarget.h"

namespace tarvix {

namespace {

constexpr int kHitRadius = 8;
constexpr int kFirstArrivalReach = 5;
constexpr int kInsertEvery = 20;
constexpr int kKeyStep = 10;
constexpr float kMaxVelocity = 300;
constexpr float kRadiusStep = 0.1f;
constexpr Colour kBlack = Rgb(0, 0, 0);

}  // namespace

Rect ProfileViewInteraction::Layout::Band(int k) const {
  const int top = image.top + k * bandHeight;
  return {image.left, top, image.right, top + bandHeight - 2};
}

ProfileViewInteraction::ProfileViewInteraction(CTarvixDoc& document, CTarvixView& view, MarkerListModel& markerList)
    : doc_(document), view_(view), list_(markerList) {}

ProfileViewInteraction::~ProfileViewInteraction() = default;

ProfileViewInteraction::Layout ProfileViewInteraction::CurrentLayout() const {
  Layout layout;
  layout.bands = view_.Displayed();
  if (layout.bands.empty()) return layout;
  layout.image = view_.ImageRect();
  layout.bandHeight = layout.image.Height() / static_cast<int>(layout.bands.size());
  if (layout.bandHeight <= 0) layout.bands.clear();
  return layout;
}

std::vector<ProfileViewInteraction::Candidate> ProfileViewInteraction::Candidates(const Layout& layout) const {
  std::vector<Candidate> candidates;
  const auto& state = doc_.state;
  const int w = layout.image.Width();
  ForEachMarker(doc_.project, [&](KRadarProfile& profile, KMarker& marker, int global) {
    if (marker.visible == 0) return;
    for (std::size_t k = 0; k < layout.bands.size(); ++k) {
      const DisplayedProfile& band = layout.bands[k];
      if (band.profile != &profile) continue;
      const int x = band.ColumnOfTrace(marker.trace) - state.firstColumn;
      const int y = marker.sample - state.firstSample;
      if (x < 0 || x > w || y < 0 || y > layout.bandHeight - 2) return;
      const Point at{layout.image.left + x, layout.image.top + static_cast<int>(k) * layout.bandHeight + y};
      candidates.push_back({&marker, global, static_cast<int>(k),
                            {at.x - kHitRadius, at.y - kHitRadius, at.x + kHitRadius, at.y + kHitRadius}});
      return;
    }
  });
  return candidates;
}

ProfileViewInteraction::Placement ProfileViewInteraction::Place(const Layout& layout, Point point, int firstColumn,
                                                                int firstSample) {
  const int n = static_cast<int>(layout.bands.size());
  int k = 0;
  while (k < n - 1 && point.y >= layout.image.top + (k + 1) * layout.bandHeight) ++k;
  const DisplayedProfile& band = layout.bands[static_cast<std::size_t>(k)];
  Placement place;
  place.band = k;
  place.g = firstColumn + point.x - layout.image.left + band.shift;
  place.sample = firstSample + point.y - layout.image.top - k * layout.bandHeight;
  place.inside = place.g >= 0 && place.g < band.traces;
  return place;
}

bool ProfileViewInteraction::InsideImage(const Layout& layout, Point point) const {
  return layout.image.Contains(point);
}

const DisplayedProfile* ProfileViewInteraction::BandOf(const Layout& layout, const KRadarProfile* profile) const {
  for (const auto& band : layout.bands)
    if (band.profile == profile) return &band;
  return nullptr;
}

void ProfileViewInteraction::ClearSelection(bool ctrl) {
  if (ctrl) return;
  doc_.state.ClearMarkerSelection();
  list_.SelectMarker(-1, false);
}

bool ProfileViewInteraction::SelectHits(const Layout& layout, Point point) {
  bool hit = false;
  int lastBand = -1;
  for (const Candidate& c : Candidates(layout)) {
    if (c.band == lastBand || !c.hitBox.Contains(point)) continue;
    lastBand = c.band;
    hit = true;
    list_.SelectMarker(c.global, false);
    doc_.state.selectedMarker = c.global;
    doc_.state.selectedMarkerRef = c.marker;
    doc_.state.selectedProfile = layout.bands[static_cast<std::size_t>(c.band)].indexInSet;
  }
  return hit;
}

void ProfileViewInteraction::InsertOrBeep(const Placement& place, bool onlyEveryTwentieth) {
  if (!place.inside) {
    App().ui.Beep();
    return;
  }
  if (onlyEveryTwentieth && place.g % kInsertEvery != 0) return;
  doc_.InsertMarker(armedMarkerType_ - 1, place.band, {place.g, place.sample});
  list_.SelectMarker(doc_.state.selectedMarker, false);
}

void ProfileViewInteraction::TrackMouse(const Layout& layout, Point point) {
  for (int k = 0; k < static_cast<int>(layout.bands.size()); ++k) {
    const Rect band = layout.Band(k);
    if (!band.Contains(point)) continue;
    const DisplayedProfile& shown = layout.bands[static_cast<std::size_t>(k)];
    profileUnderMouse_ = shown.profile;
    forwardUnderMouse_ = shown.forward;
    mouseTrace_ = shown.shift + doc_.state.firstColumn + (point.x - layout.image.left);
    mouseSample_ = (point.y - layout.image.top) % layout.bandHeight + doc_.state.firstSample;
    if (hyperbola_ && hyperbolaParameter_ == 0) {
      hyperbola_->profile = shown.profile;
      bandUnderMouse_ = band;
    }
  }
}

ViewCursor ProfileViewInteraction::CursorFor(const Layout& layout, Point point) const {
  if (armedMarkerType_ != 0) return InsideImage(layout, point) ? ViewCursor::Insert : ViewCursor::Arrow;
  if (overSelectedMarker_ || draggingMarker_) return ViewCursor::Move;
  if (overFirstArrival_ || draggingFirstArrival_) return ViewCursor::SizeNorthSouth;
  return ViewCursor::Arrow;
}

ViewResponse ProfileViewInteraction::OnLButtonDown(Point point, KeyModifiers modifiers) {
  const Layout layout = CurrentLayout();
  if (layout.bands.empty()) return {};
  if (overFirstArrival_) {
    draggingFirstArrival_ = true;
    feedbackZeroLevel_.reset();
    pressPoint_ = lastPoint_ = point;
    return {false, ViewCursor::SizeNorthSouth, true};
  }
  if (armedMarkerType_ == 0) {
    bool drag = overSelectedMarker_;
    if (!drag) {
      ClearSelection(modifiers.ctrl);
      drag = SelectHits(layout, point);
      doc_.UpdateAllViews(0);
    }
    if (!drag) return {};
    draggingMarker_ = true;
    pressPoint_ = lastPoint_ = point;
    return {false, ViewCursor::Move, true};
  }
  if (!InsideImage(layout, point)) return {false, ViewCursor::Arrow, {}};
  insertingMarkers_ = true;
  InsertOrBeep(Place(layout, point, doc_.state.firstColumn, doc_.state.firstSample), false);
  return {};
}

ViewResponse ProfileViewInteraction::OnMouseMove(Point point) {
  const Layout layout = CurrentLayout();
  if (layout.bands.empty()) return {};
  auto& state = doc_.state;
  if (armedMarkerType_ != 0) {
    TrackMouse(layout, point);
    if (insertingMarkers_) InsertOrBeep(Place(layout, point, state.firstColumn, state.firstSample), true);
    return {false, CursorFor(layout, point), {}};
  }
  if (draggingFirstArrival_) {
    const int dy = point.y - lastPoint_.y;
    lastPoint_ = point;
    auto& zeroLevel = App().settings.ZeroLevel;
    feedbackZeroLevel_ = zeroLevel;
    zeroLevel += dy;  // any value: the drag is the user's to judge
    return {true, ViewCursor::SizeNorthSouth, {}};
  }
  if (draggingMarker_) {
    lastPoint_ = point;
    return {true, ViewCursor::Move, {}};
  }

  const int zeroLevel = App().settings.ZeroLevel;
  overFirstArrival_ = false;
  if (point.x < layout.image.left || point.x >= layout.image.right)
    for (int k = 0; k < static_cast<int>(layout.bands.size()); ++k)
      if (std::abs(point.y - (layout.image.top + k * layout.bandHeight + zeroLevel)) < kFirstArrivalReach)
        overFirstArrival_ = true;
  TrackMouse(layout, point);
  overSelectedMarker_ = false;
  for (const Candidate& c : Candidates(layout)) {
    if (!list_.IsMarkerSelected(c.global) || !c.hitBox.Contains(point)) continue;
    overSelectedMarker_ = true;
    state.selectedMarkerRef = c.marker;
    state.selectedMarker = c.global;
    // The drag moves the marker within its own profile, whichever was selected last.
    state.selectedProfile = layout.bands[static_cast<std::size_t>(c.band)].indexInSet;
    break;
  }
  ViewResponse response{false, CursorFor(layout, point), {}};
  if (hyperbola_ && hyperbolaParameter_ == 0 && layout.bandHeight > 0 &&
      (point.y - bandUnderMouse_.top) % layout.bandHeight >= zeroLevel) {
    hyperbola_->apex = point;
    hyperbolaClip_ = bandUnderMouse_;
    response.overlay = true;
  }
  return response;
}

ViewResponse ProfileViewInteraction::OnLButtonUp(Point point) {
  const Layout layout = CurrentLayout();
  if (armedMarkerType_ != 0) {
    insertingMarkers_ = false;
    return {false, CursorFor(layout, point), {}};
  }
  if (draggingFirstArrival_) {
    draggingFirstArrival_ = false;
    feedbackZeroLevel_.reset();
    doc_.UpdateAllViews(0);
    return {false, ViewCursor::SizeNorthSouth, false};
  }
  if (draggingMarker_) {
    FinishMarkerDrag(layout);
    return {false, ViewCursor::Arrow, false};
  }
  return {false, CursorFor(layout, point), {}};
}

void ProfileViewInteraction::FinishMarkerDrag(const Layout& layout) {
  doc_.SetModifiedFlag();
  draggingMarker_ = false;
  auto& state = doc_.state;
  KMarker* marker = state.selectedMarkerRef;
  const DisplayedProfile* band = nullptr;
  for (const auto& shown : layout.bands)
    if (shown.indexInSet == state.selectedProfile) band = &shown;
  if (marker && band) {
    const int traces = band->traces;
    const int w = layout.image.Width();
    const int first = band->forward ? band->shift + state.firstColumn : traces - state.firstColumn - band->shift - 1;
    const int dx = lastPoint_.x - pressPoint_.x;
    const int dy = lastPoint_.y - pressPoint_.y;
    int trace = std::clamp(band->forward ? marker->trace + dx : marker->trace - dx, 0, std::max(traces - 1, 0));
    if (trace <= first + w) {
      const int firstVisible = std::max(first, 0);
      trace = band->forward ? std::max(trace, firstVisible) : std::min(trace, firstVisible);
      marker->trace = trace;
      marker->sample = std::clamp(marker->sample + dy, state.firstSample, state.firstSample + layout.bandHeight - 2);
      list_.MarkersChanged(state.selectedMarker + 1, &doc_);
    }
  }
  doc_.UpdateAllViews(0);
}

void ProfileViewInteraction::OnLButtonDblClk() {
  if (overSelectedMarker_) doc_.EditSelectedMarker();
}

PopupMenu ProfileViewInteraction::OnContextMenu(Point point, KeyModifiers modifiers) {
  const Layout layout = CurrentLayout();
  if (layout.bands.empty()) return {};
  if (hyperbola_)
    return {{kChangeColour, "Change color"},
            {kChangeVelocity, "Change velocity", true, hyperbolaParameter_ == 1},
            {kChangeRadius, "Change raduis", true, hyperbolaParameter_ == 2},
            {kChangeAngle, "Change angle (0-90)", true, hyperbolaParameter_ == 3},
            MenuItem::Separator(),
            {kSetVelocity, "Set current velocity"}};

  if (!overSelectedMarker_) {
    ClearSelection(modifiers.ctrl);
    SelectHits(layout, point);
    doc_.UpdateAllViews(0);
  }
  if (!InsideImage(layout, point)) return {};
  const auto& state = doc_.state;
  menuPlace_ = Place(layout, point, state.firstColumn, state.firstSample);

  MenuItem insert{"Insert marker", {}, menuPlace_.inside};
  const auto& names = App().settings.markerTypeNames;
  for (int type = 0; type < kMarkerTools; ++type) {
    const auto& name = names[static_cast<std::size_t>(type)];
    insert.submenu.push_back({kInsertMarkerFirst + type, name.empty() ? "Marker " + std::to_string(type + 1) : name});
  }
  const bool selected = state.selectedMarker != -1;
  PopupMenu menu{insert, {kEditMarker, "Edit marker", selected}, {kDeleteMarker, "Delete marker", selected},
                 MenuItem::Separator(), {kFilters, "Filters"}};
  if (doc_.project.version == 1) {
    menu.push_back({"Order for baseline profiles",
                    {{kFromBaselineStart, "From baseline start", true, !state.baselineOrderFromEnd},
                     {kFromBaselineEnd, "From baseline end", true, state.baselineOrderFromEnd}}});
  } else {
    menu.push_back({"Direction for GPS profiles",
                    {{kHorizontalProjection, "Horizontal projection", true, !state.gpsVerticalProjection},
                     {kVerticalProjection, "Vertical projection", true, state.gpsVerticalProjection}}});
    menu.push_back({"Horizontal alignment for GPS profiles",
                    {{kAlignLeft, "Left", true, !state.gpsAlignRight},
                     {kAlignRight, "Right", true, state.gpsAlignRight}}});
  }
  return menu;
}

ViewResponse ProfileViewInteraction::OnMenuCommand(int id) {
  if (hyperbola_) return OnHyperbolaMenu(id);
  auto& state = doc_.state;
  if (id >= kInsertMarkerFirst && id < kInsertMarkerFirst + kMarkerTools) {
    if (menuPlace_.inside) doc_.InsertMarker(id - kInsertMarkerFirst, menuPlace_.band, {menuPlace_.g, menuPlace_.sample});
    return {};
  }
  switch (id) {
    case kEditMarker:
      doc_.EditSelectedMarker();
      break;
    case kDeleteMarker:
      doc_.DeleteSelectedMarkers();
      break;
    case kFilters:
      doc_.OnEditFilterList();
      break;
    case kFromBaselineStart:
    case kFromBaselineEnd:
      state.baselineOrderFromEnd = id == kFromBaselineEnd;
      doc_.ComputeAlignment(0);
      view_.ReloadTraceWindow();
      doc_.UpdateAllViews(0);
      break;
    case kHorizontalProjection:
    case kVerticalProjection:
      state.gpsVerticalProjection = id == kVerticalProjection;
      view_.ReloadTraceWindow();
      doc_.UpdateAllViews(0);
      break;
    case kAlignLeft:
    case kAlignRight:
      state.gpsAlignRight = id == kAlignRight;
      doc_.ComputeAlignment(0);
      view_.ReloadTraceWindow();
      doc_.UpdateAllViews(0);
      break;
    default:
      break;
  }
  return {};
}

ViewResponse ProfileViewInteraction::OnHyperbolaMenu(int id) {
  Hyperbola& h = *hyperbola_;
  auto toggle = [this](int parameter, float value) {
    hyperbolaParameter_ = hyperbolaParameter_ == parameter ? 0 : parameter;
    if (remote_) remote_->SetRemoteMode(static_cast<int>(value), hyperbolaParameter_);
  };
  switch (id) {
    case kChangeColour:
      if (auto colour = App().ui.AskColour(kBlack)) h.colour = *colour;
      return {true, ViewCursor::Arrow, {}};
    case kChangeVelocity:
      toggle(1, h.velocity);
      break;
    case kChangeRadius:
      toggle(2, h.radius);
      break;
    case kChangeAngle:
      toggle(3, h.angle);
      break;
    case kSetVelocity:
      App().settings.Velocity = h.velocity;
      break;
    default:
      break;
  }
  return {};
}

ViewResponse ProfileViewInteraction::ScrollColumnTo(int column) {
  if (column == doc_.state.firstColumn) return {};
  doc_.state.firstColumn = column;
  doc_.UpdateAllViews(0);
  ViewResponse response;
  response.scrolled = true;
  return response;
}

ViewResponse ProfileViewInteraction::ScrollSampleTo(int sample) {
  if (sample == doc_.state.firstSample) return {};
  doc_.state.firstSample = sample;
  view_.OnUpdate(0);
  ViewResponse response;
  response.scrolled = true;
  return response;
}

ViewResponse ProfileViewInteraction::OnKeyDown(ViewKey key, KeyModifiers modifiers) {
  const auto& bar = view_.HorizontalBar();
  const auto& vbar = view_.VerticalBar();
  switch (key) {
    case ViewKey::Left:
    case ViewKey::Right: {
      const int sign = key == ViewKey::Left ? -1 : 1;
      if (!hyperbola_)
        return ScrollColumnTo(
            HorizontalMoveTarget({bar.min, bar.max, doc_.state.firstColumn}, bar.page, sign * kKeyStep));
      if (modifiers.shift)
        hyperbola_->radius = std::max(0.0f, hyperbola_->radius + static_cast<float>(sign) * kRadiusStep);
      else
        hyperbola_->velocity = std::clamp(hyperbola_->velocity + static_cast<float>(sign), 0.0f, kMaxVelocity);
      return {true, ViewCursor::Arrow, {}};
    }
    case ViewKey::Up:
    case ViewKey::Down:
      return ScrollSampleTo(VerticalMoveTarget({vbar.min, vbar.max, doc_.state.firstSample}, vbar.page,
                                               key == ViewKey::Up ? -kKeyStep : kKeyStep));
    case ViewKey::Delete:
      if (doc_.state.selectedMarker != -1) doc_.DeleteSelectedMarkers();
      return {};
    default:
      return {};
  }
}

ViewResponse ProfileViewInteraction::OnMouseWheel(int delta) {
  const auto& bar = view_.HorizontalBar();
  return ScrollColumnTo(HorizontalMoveTarget({bar.min, bar.max, doc_.state.firstColumn}, bar.page, delta));
}

ViewResponse ProfileViewInteraction::OnHScroll(ScrollAction action, int trackPosition) {
  const auto& bar = view_.HorizontalBar();
  return ScrollColumnTo(
      HorizontalScrollTarget({bar.min, bar.max, doc_.state.firstColumn}, bar.page, action, trackPosition));
}

ViewResponse ProfileViewInteraction::OnVScroll(ScrollAction action, int trackPosition) {
  const auto& bar = view_.VerticalBar();
  return ScrollSampleTo(VerticalScrollTarget({bar.min, bar.max, doc_.state.firstSample},
                                             bar.page * view_.DisplayedCount(), bar.page, action, trackPosition));
}

void ProfileViewInteraction::OnMarkerTool(int tool) {
  if (tool < 1 || tool > kMarkerTools) return;
  if (armedMarkerType_ == tool) {
    armedMarkerType_ = 0;
    return;
  }
  armedMarkerType_ = tool;
  if (hyperbola_) HyperbolaOff();
}

void ProfileViewInteraction::HyperbolaOff() {
  hyperbola_.reset();
  hyperbolaParameter_ = 0;
  if (remote_) remote_->SetRemoteMode(0, 0);
  view_.OnUpdate(0);
}

void ProfileViewInteraction::OnHyperbolaTool() {
  armedMarkerType_ = 0;
  insertingMarkers_ = false;
  if (hyperbola_) {
    HyperbolaOff();
    return;
  }
  hyperbolaParameter_ = 0;
  hyperbola_ = std::make_unique<Hyperbola>();
  hyperbola_->velocity = static_cast<float>(App().settings.Velocity);
}

void ProfileViewInteraction::OnGoTo() {
  const auto* set = doc_.state.CurrentSet(doc_.project);
  if (!set || set->profiles.empty()) return;
  // A header without a trace interval has no place ten kilometres in.
  const double interval = set->profiles.front()->header.GetTraceInterval();
  if (!(interval > 0)) return;
  doc_.state.firstColumn = static_cast<int>(std::min(10000.0 / interval, 2.0e9));
  view_.SetupScrollBars();
  doc_.UpdateAllViews(0);
}

ViewResponse ProfileViewInteraction::OnRemotePosition(const RemoteControlModel& remote, int position) {
  if (!hyperbola_) return {};
  HyperbolaParameters parameters{hyperbola_->velocity, hyperbola_->radius, hyperbola_->angle};
  if (!remote.ApplyPosition(position, parameters)) return {};
  hyperbola_->velocity = parameters.velocity;
  hyperbola_->radius = parameters.radius;
  hyperbola_->angle = parameters.angle;
  return {true, ViewCursor::Arrow, {}};
}

void ProfileViewInteraction::DrawOverlay(Canvas& canvas) {
  const Layout layout = CurrentLayout();
  if (layout.bands.empty()) return;
  const auto& state = doc_.state;
  if (hyperbola_) {
    // A profile that is no longer shown has no header to draw from.
    if (!BandOf(layout, hyperbola_->profile)) hyperbola_->profile = nullptr;
    const auto points =
        HyperbolaPoints(*hyperbola_, hyperbola_->apex, hyperbolaClip_, state.firstSample, App().settings.ZeroLevel);
    if (points.size() > 1) {
      canvas.SetPen({hyperbola_->colour, 1, PenStyle::Solid});
      canvas.Polyline(points);
    }
  }
  if (draggingFirstArrival_ && feedbackZeroLevel_) {
    for (int k = 0; k < static_cast<int>(layout.bands.size()); ++k) {
      const int row = layout.image.top + k * layout.bandHeight + *feedbackZeroLevel_;
      canvas.InvertRect({layout.image.left, row, layout.image.right, row + 1});
    }
  }
  if (draggingMarker_ && state.selectedMarkerRef) {
    for (int k = 0; k < static_cast<int>(layout.bands.size()); ++k) {
      const DisplayedProfile& band = layout.bands[static_cast<std::size_t>(k)];
      if (band.indexInSet != state.selectedProfile) continue;
      const int x = layout.image.left + band.ColumnOfTrace(state.selectedMarkerRef->trace) - state.firstColumn +
                    lastPoint_.x - pressPoint_.x;
      const int y = layout.image.top + k * layout.bandHeight + state.selectedMarkerRef->sample - state.firstSample +
                    lastPoint_.y - pressPoint_.y;
      canvas.SetPen({kBlack, 1, PenStyle::Solid});
      canvas.SetBrush({kBlack, BrushStyle::None});
      canvas.Rectangle({x - kHitRadius, y - kHitRadius, x + kHitRadius, y + kHitRadius});
    }
  }
}

std::string ProfileViewInteraction::ProfilePaneText() const {
  const Layout layout = CurrentLayout();
  const DisplayedProfile* band = BandOf(layout, profileUnderMouse_);
  if (!band && !layout.bands.empty()) band = &layout.bands.front();
  return ProfileStatusText(hyperbola_.get(), band ? band->profile : nullptr, App().is32BitData);
}

std::string ProfileViewInteraction::TracePaneText() const {
  const Layout layout = CurrentLayout();
  const DisplayedProfile* band = BandOf(layout, profileUnderMouse_);
  if (!band && !layout.bands.empty()) band = &layout.bands.front();
  return TraceStatusText(band ? band->profile : nullptr, band ? band->forward : true, mouseTrace_, mouseSample_);
}

}  // namespace tarvix
