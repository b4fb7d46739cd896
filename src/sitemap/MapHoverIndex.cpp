#include "sitemap/MapHoverIndex.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/KTarvixProject.h"

namespace tarvix {

namespace {

// Positions per run: small enough that a hit profile tests few positions, large enough that
// the runs of a long profile are quickly passed over.
constexpr std::size_t kRunLength = 64;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// A run holding a position that is not a number may place it anywhere; it is always tested.
void Widen(double value, double& low, double& high) {
  if (std::isnan(value)) {
    low = -kInfinity;
    high = kInfinity;
    return;
  }
  low = std::min(low, value);
  high = std::max(high, value);
}

}  // namespace

bool MapHoverIndex::IsCurrent(const KTarvixProject& project) const {
  if (project_ != &project || sets_.size() != project.sets.size()) return false;
  for (std::size_t s = 0; s < sets_.size(); ++s) {
    const auto& profiles = project.sets[s]->profiles;
    if (sets_[s].size() != profiles.size()) return false;
    for (std::size_t p = 0; p < profiles.size(); ++p)
      if (sets_[s][p].profile != profiles[p].get() || sets_[s][p].traces != profiles[p]->header.lastTrace)
        return false;
  }
  return true;
}

void MapHoverIndex::Build(const KTarvixProject& project) {
  sets_.assign(project.sets.size(), {});
  for (std::size_t s = 0; s < project.sets.size(); ++s)
    for (const auto& profile : project.sets[s]->profiles) {
      Entry entry;
      entry.profile = profile.get();
      entry.traces = profile->header.lastTrace;
      profile->GetTracePositions(points_, 0, entry.traces);
      entry.all = {kInfinity, -kInfinity, kInfinity, -kInfinity};
      for (std::size_t i = 0; i < points_.size(); i += kRunLength) {
        Bounds run{kInfinity, -kInfinity, kInfinity, -kInfinity};
        for (std::size_t k = i; k < std::min(points_.size(), i + kRunLength); ++k) {
          Widen(points_[k].x, run.minX, run.maxX);
          Widen(points_[k].y, run.minY, run.maxY);
        }
        entry.all = {std::min(entry.all.minX, run.minX), std::max(entry.all.maxX, run.maxX),
                     std::min(entry.all.minY, run.minY), std::max(entry.all.maxY, run.maxY)};
        entry.runs.push_back(run);
      }
      sets_[s].push_back(std::move(entry));
    }
  project_ = &project;
}

bool MapHoverIndex::MayReach(const Bounds& bounds, const MapTransform& transform, const Rect& box) {
  if (bounds.minX > bounds.maxX) return false;  // no positions
  // Pixels grow monotonically with each world coordinate (either way, by the zoom's sign), so
  // the pixels of the bounds' corners enclose those of every position inside.
  const point3D low = transform.Drawn({bounds.minX, bounds.minY, 0});
  const point3D high = transform.Drawn({bounds.maxX, bounds.maxY, 0});
  const int x1 = transform.PixelX(low.x);
  const int x2 = transform.PixelX(high.x);
  const int y1 = transform.PixelY(low.y);
  const int y2 = transform.PixelY(high.y);
  return std::max(x1, x2) >= box.left && std::min(x1, x2) < box.right && std::max(y1, y2) >= box.top &&
         std::min(y1, y2) < box.bottom;
}

bool MapHoverIndex::HasPositionIn(const Entry& entry, const MapTransform& transform, const Rect& box) {
  if (!MayReach(entry.all, transform, box)) return false;
  bool fetched = false;
  for (std::size_t r = 0; r < entry.runs.size(); ++r) {
    if (!MayReach(entry.runs[r], transform, box)) continue;
    if (!fetched) {
      entry.profile->GetTracePositions(points_, 0, entry.traces);
      fetched = true;
    }
    const std::size_t end = std::min(points_.size(), (r + 1) * kRunLength);
    for (std::size_t k = r * kRunLength; k < end; ++k)
      if (box.Contains(transform.WorldToScreen(points_[k]))) return true;
  }
  return false;
}

std::vector<MapHoverIndex::Hit> MapHoverIndex::ProfilesIn(const KTarvixProject& project, const MapTransform& transform,
                                                          const Rect& box) {
  if (!IsCurrent(project)) Build(project);
  std::vector<Hit> hits;
  for (std::size_t s = 0; s < sets_.size(); ++s)
    for (std::size_t p = 0; p < sets_[s].size(); ++p)
      if (HasPositionIn(sets_[s][p], transform, box)) hits.push_back({static_cast<int>(s), static_cast<int>(p)});
  return hits;
}

}  // namespace tarvix
