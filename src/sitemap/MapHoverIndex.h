#pragma once
#include <vector>

#include "model/Point3D.h"
#include "platform/Geometry.h"
#include "sitemap/MapTransform.h"

namespace tarvix {

class KRadarProfile;
class KTarvixProject;

// Which profiles have a trace position (every position GetTracePositions hands out for the
// whole profile) whose pixel lies inside a box, found without visiting every position on each
// mouse move: the positions are grouped in runs whose world bounding boxes are tested first,
// and only a profile whose runs reach the box has its positions fetched and tested one by one.
// The result equals testing every position. The index is built at the first query and again
// when the project's sets, profiles or trace counts differ; other changes of a profile's
// geometry must be announced with Invalidate.
class MapHoverIndex {
 public:
  struct Hit {
    int set = 0;
    int profile = 0;
    friend bool operator==(const Hit&, const Hit&) = default;
  };

  void Invalidate() { project_ = nullptr; }
  // The profiles with a position inside `box` (half-open, as Rect is), in project order.
  std::vector<Hit> ProfilesIn(const KTarvixProject& project, const MapTransform& transform, const Rect& box);

 private:
  // World bounds of a run of positions (not swapped).
  struct Bounds {
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
  };
  struct Entry {
    const KRadarProfile* profile = nullptr;
    int traces = 0;
    Bounds all;
    std::vector<Bounds> runs;
  };

  bool IsCurrent(const KTarvixProject& project) const;
  void Build(const KTarvixProject& project);
  static bool MayReach(const Bounds& bounds, const MapTransform& transform, const Rect& box);
  bool HasPositionIn(const Entry& entry, const MapTransform& transform, const Rect& box);

  const KTarvixProject* project_ = nullptr;
  std::vector<std::vector<Entry>> sets_;
  std::vector<point3D> points_;
};

}  // namespace tarvix
