#pragma once

namespace tarvix {

class KTarvixProject;
struct DisplayState;

// What the marker list needs of the document it was filled from.
class MarkerListDocument {
 public:
  virtual ~MarkerListDocument() = default;
  virtual KTarvixProject& Project() = 0;
  virtual DisplayState& State() = 0;
  // Every view of the document repaints (the document's update of all views, hint 0).
  virtual void RepaintAllViews() = 0;
};

}  // namespace tarvix
