#include "sitemap/MapPainter.h"

#include <algorithm>
#include <vector>

#include "model/KBaseLineProfile.h"
#include "model/KTarvixProject.h"
#include "profileview/DisplayDirection.h"
#include "profileview/DisplayState.h"
#include "profileview/MarkerListModel.h"
#include "profileview/MarkerTypeColour.h"

namespace tarvix {

namespace {

constexpr Colour kCurrentBaseline = Rgb(255, 0, 0);
constexpr Colour kOtherBaseline = Rgb(247, 109, 9);
constexpr Colour kFirstDisplayed = Rgb(192, 96, 64);
constexpr Colour kProfile = Rgb(0, 0, 0);
constexpr Colour kFirstStretch = Rgb(0, 255, 0);
constexpr Colour kOtherStretch = Rgb(0, 204, 255);
constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr int kLineWidth = 2;

Rect Around(Point p, int half) { return {p.x - half, p.y - half, p.x + half, p.y + half}; }

// Long tracks put many positions on one pixel; a repeated pixel adds only an empty segment.
void AppendPixel(std::vector<Point>& line, Point p) {
  if (line.empty() || !(line.back() == p)) line.push_back(p);
}

class PlanPainter {
 public:
  PlanPainter(Canvas& canvas, const MapScene& scene) : canvas_(canvas), scene_(scene) {}

  void Paint() {
    int global = 0;
    const auto& sets = scene_.project.sets;
    for (std::size_t n = 0; n < sets.size(); ++n) {
      const auto& profiles = sets[n]->profiles;
      const bool current = static_cast<int>(n) == scene_.state.currentSet;
      if (profiles.empty()) continue;
      if (!scene_.project.IsGPSProject()) PaintBaseline(*profiles.front(), current);
      for (std::size_t f = 0; f < profiles.size(); ++f) {
        const KRadarProfile& profile = *profiles[f];
        const int index = static_cast<int>(f);
        const Pen pen{current && index == scene_.state.firstProfile ? kFirstDisplayed : kProfile, kLineWidth};
        PaintProfile(profile, pen);
        PaintMarkers(profile, pen, global);
        if (current && index >= scene_.state.firstProfile && index - scene_.state.firstProfile < scene_.maxProfile)
          PaintStretch(profile, ShiftOf(n, f), index == scene_.state.firstProfile);
      }
    }
  }

 private:
  Point ToScreen(const point3D& world) const { return scene_.transform.WorldToScreen(world); }

  void PaintBaseline(const KRadarProfile& first, bool current) {
    const auto* baseline = dynamic_cast<const KBaseLineProfile*>(&first);
    if (!baseline) return;
    const Colour colour = current ? kCurrentBaseline : kOtherBaseline;
    const Point start = ToScreen(baseline->baselineStart);
    canvas_.SetPen({colour, kLineWidth});
    canvas_.Line(start, ToScreen(baseline->baselineStop));
    canvas_.SetBrush({colour});
    canvas_.Ellipse(Around(start, 5));
    canvas_.SetBrush({kWhite});
    canvas_.Rectangle(Around(start, 2));
  }

  void PaintProfile(const KRadarProfile& profile, const Pen& pen) {
    const int traces = profile.header.lastTrace;
    std::vector<Point> line;
    if (profile.IsGPSProfile()) {
      profile.GetTracePositions(points_, 0, traces);
      line.reserve(points_.size());
      for (const auto& p : points_) AppendPixel(line, ToScreen(p));
    } else if (traces > 0) {
      line = {ToScreen(profile.GetTracePosition(0)), ToScreen(profile.GetTracePosition(traces - 1))};
    }
    if (line.empty()) return;
    canvas_.SetPen(pen);
    if (profile.IsGPSProfile())
      canvas_.Polyline(line);
    else
      canvas_.Line(line.front(), line.back());
    canvas_.SetBrush({kWhite});
    canvas_.Rectangle(Around(line.front(), 2));
  }

  void PaintMarkers(const KRadarProfile& profile, const Pen& pen, int& global) {
    for (const auto& marker : profile.markers.items) {
      const int index = global++;
      if (marker.visible == 0) continue;
      const Point at = ToScreen(profile.GetTracePosition(marker.trace));
      // The radargram's screen symbol: an upright cross in the type's colour.
      canvas_.SetPen({MarkerTypeColour(marker.type), 3});
      canvas_.Line({at.x - 5, at.y}, {at.x + 5, at.y});
      canvas_.Line({at.x, at.y - 5}, {at.x, at.y + 5});
      if (scene_.markers.IsMarkerSelected(index)) {
        canvas_.SetPen(pen);
        canvas_.SetBrush({kWhite, BrushStyle::None});
        canvas_.Rectangle(Around(at, 8));
      }
    }
  }

  int ShiftOf(std::size_t set, std::size_t profile) const {
    const auto& shifts = scene_.state.profileShift;
    if (set >= shifts.size() || profile >= shifts[set].size()) return 0;
    return shifts[set][profile];
  }

  void PaintStretch(const KRadarProfile& profile, int shift, bool first) {
    TraceStretch stretch;
    if (!VisibleStretch(profile, shift, scene_.state, stretch)) return;
    canvas_.SetPen({first ? kFirstStretch : kOtherStretch, kLineWidth});
    if (!profile.IsGPSProfile()) {
      canvas_.Line(ToScreen(profile.GetTracePosition(stretch.first)), ToScreen(profile.GetTracePosition(stretch.last)));
      return;
    }
    // From trace 1 at the least, so that the positions are interpolated rather than the fixes.
    const int from = std::max(stretch.first, 1);
    if (stretch.last < from) return;
    profile.GetTracePositions(points_, from, stretch.last - from + 1);
    std::vector<Point> line;
    line.reserve(points_.size());
    for (const auto& p : points_) AppendPixel(line, ToScreen(p));
    canvas_.Polyline(line);
  }

  Canvas& canvas_;
  const MapScene& scene_;
  std::vector<point3D> points_;
};

}  // namespace

bool VisibleStretch(const KRadarProfile& profile, int shift, const DisplayState& state, TraceStretch& stretch) {
  const long long traces = profile.header.lastTrace;
  if (traces <= 0) return false;
  long long first = 0;
  long long last = 0;
  if (IsDisplayedForward(profile, state.baselineOrderFromEnd)) {
    first = static_cast<long long>(shift) + state.firstColumn;
    last = first + state.imageWidth;
  } else {
    last = traces - shift - state.firstColumn;
    first = last - state.imageWidth;
  }
  stretch.first = static_cast<int>(std::clamp(first, 0LL, traces - 1));
  stretch.last = static_cast<int>(std::clamp(last, 0LL, traces - 1));
  return true;
}

void PaintMapPlan(Canvas& canvas, const MapScene& scene) { PlanPainter(canvas, scene).Paint(); }

}  // namespace tarvix
