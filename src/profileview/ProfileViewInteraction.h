#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/ProfileScrolling.h"
#include "platform/Canvas.h"
#include "platform/Geometry.h"
#include "profileview/DisplayedProfiles.h"
#include "profileview/Hyperbola.h"
#include "profileview/PopupMenu.h"

namespace tarvix {

class CTarvixDoc;
class CTarvixView;
class KMarker;
class MarkerListModel;
class RemoteControlTarget;
class RemoteControlModel;

enum class ViewCursor { Arrow, Move, SizeNorthSouth, Insert };
enum class ViewKey { Left, Right, Up, Down, Delete, Other };

struct KeyModifiers {
  bool ctrl = false;
  bool shift = false;
};

// What the window does after an event. Radargram repaints have already been asked of the
// document's views; `overlay` asks only for the lines drawn over the unchanged radargram.
struct ViewResponse {
  bool overlay = false;
  ViewCursor cursor = ViewCursor::Arrow;
  std::optional<bool> capture;  // true: capture the mouse; false: release it
  // The first column or sample moved: the scroll bars show the document's new position.
  bool scrolled = false;
};

// What the user does in the profile view with mouse and keys: selecting, inserting and dragging
// markers, moving the first-arrival line, the hyperbola tool, the context menus and scrolling.
// Events come in client coordinates.
class ProfileViewInteraction {
 public:
  static constexpr int kMarkerTools = 7;
  // Menu ids of the hyperbola menu and of the radargram menu.
  enum HyperbolaMenuId { kChangeColour = 1, kChangeVelocity, kChangeRadius, kChangeAngle, kSetVelocity };
  enum MenuId {
    kEditMarker = 2,
    kDeleteMarker = 3,
    kFilters = 4,
    kInsertMarkerFirst = 10,
    kHorizontalProjection = 21,
    kVerticalProjection = 22,
    kAlignLeft = 23,
    kAlignRight = 24,
    kFromBaselineStart = 25,
    kFromBaselineEnd = 26
  };

  ProfileViewInteraction(CTarvixDoc& document, CTarvixView& view, MarkerListModel& markerList);
  ~ProfileViewInteraction();

  void SetRemoteControl(RemoteControlTarget* remote) { remote_ = remote; }

  ViewResponse OnLButtonDown(Point point, KeyModifiers modifiers);
  ViewResponse OnMouseMove(Point point);
  ViewResponse OnLButtonUp(Point point);
  void OnLButtonDblClk();
  // The menu to show at the point (empty: none); the choice goes to OnMenuCommand.
  PopupMenu OnContextMenu(Point point, KeyModifiers modifiers);
  ViewResponse OnMenuCommand(int id);
  ViewResponse OnKeyDown(ViewKey key, KeyModifiers modifiers);
  ViewResponse OnMouseWheel(int delta);
  ViewResponse OnHScroll(ScrollAction action, int trackPosition);
  ViewResponse OnVScroll(ScrollAction action, int trackPosition);

  // Tool bar: marker tool 1..7 (type k − 1) and the hyperbola tool.
  void OnMarkerTool(int tool);
  void OnHyperbolaTool();
  // Ctrl+G: to the column ten kilometres of traces in.
  void OnGoTo();
  // The remote-control slider moved.
  ViewResponse OnRemotePosition(const RemoteControlModel& remote, int position);

  // Lines drawn over the radargram: the hyperbola, the first-arrival feedback, the drag box.
  void DrawOverlay(Canvas& canvas);

  std::string ProfilePaneText() const;
  std::string TracePaneText() const;

  int ArmedMarkerType() const { return armedMarkerType_; }
  bool HyperbolaMode() const { return hyperbola_ != nullptr; }
  int HyperbolaParameter() const { return hyperbolaParameter_; }
  const Hyperbola* CurrentHyperbola() const { return hyperbola_.get(); }
  const Rect& HyperbolaClip() const { return hyperbolaClip_; }
  bool OverSelectedMarker() const { return overSelectedMarker_; }
  bool OverFirstArrival() const { return overFirstArrival_; }
  bool DraggingMarker() const { return draggingMarker_; }
  bool DraggingFirstArrival() const { return draggingFirstArrival_; }
  const KRadarProfile* ProfileUnderMouse() const { return profileUnderMouse_; }

 private:
  struct Layout {
    std::vector<DisplayedProfile> bands;
    Rect image;
    int bandHeight = 0;
    Rect Band(int k) const;
  };
  struct Candidate {
    KMarker* marker;
    int global;
    int band;
    Rect hitBox;
  };
  struct Placement {
    int band = 0;
    int g = 0;
    int sample = 0;
    bool inside = false;
  };

  Layout CurrentLayout() const;
  std::vector<Candidate> Candidates(const Layout& layout) const;
  static Placement Place(const Layout& layout, Point point, int firstColumn, int firstSample);
  bool InsideImage(const Layout& layout, Point point) const;
  void ClearSelection(bool ctrl);
  // Selects the first hit of every band; true when one was hit.
  bool SelectHits(const Layout& layout, Point point);
  void InsertOrBeep(const Placement& place, bool onlyEveryTwentieth);
  void TrackMouse(const Layout& layout, Point point);
  void FinishMarkerDrag(const Layout& layout);
  void HyperbolaOff();
  ViewCursor CursorFor(const Layout& layout, Point point) const;
  ViewResponse OnHyperbolaMenu(int id);
  ViewResponse ScrollColumnTo(int column);
  ViewResponse ScrollSampleTo(int sample);
  // The profile under the mouse while it is still shown, else the first shown one.
  const DisplayedProfile* BandOf(const Layout& layout, const KRadarProfile* profile) const;

  CTarvixDoc& doc_;
  CTarvixView& view_;
  MarkerListModel& list_;
  RemoteControlTarget* remote_ = nullptr;

  int armedMarkerType_ = 0;
  bool insertingMarkers_ = false;
  bool overSelectedMarker_ = false;
  bool draggingMarker_ = false;
  Point pressPoint_;
  Point lastPoint_;
  bool overFirstArrival_ = false;
  bool draggingFirstArrival_ = false;
  // The first arrival the feedback lines stand at, once the drag has moved.
  std::optional<int> feedbackZeroLevel_;
  const KRadarProfile* profileUnderMouse_ = nullptr;
  bool forwardUnderMouse_ = true;
  int mouseTrace_ = 0;
  int mouseSample_ = 0;
  std::unique_ptr<Hyperbola> hyperbola_;
  int hyperbolaParameter_ = 0;
  Rect hyperbolaClip_;
  Rect bandUnderMouse_;  // the clip the hyperbola takes when its apex next moves
  // Where the last radargram menu was opened.
  Placement menuPlace_;
};

}  // namespace tarvix
