#pragma once
#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "document/CTarvixDoc.h"
#include "document/DocumentHost.h"
#include "document/DocumentWindows.h"
#include "document/ProfileDocumentView.h"
#include "model/KBaseLineProfile.h"
#include "model/KGPSProfile.h"
#include "profileview/MarkerListModel.h"
#include "sitemap/CMapView.h"
#include "sitemap/MapCommands.h"
#include "sitemap/MapEditing.h"
#include "support/RecordingCanvas.h"
#include "support/TestApp.h"

namespace tarvix::testing {

// The program around a document, as far as the map needs it: the marker list, no windows.
class MapTestHost : public DocumentHost, public DocumentWindows {
 public:
  MarkerListModel markerList;
  MarkerListModel& MarkerList() override { return markerList; }
  DocumentWindows& Windows() override { return *this; }
  void AddToRecentFiles(const std::string&) override {}
  MapFrame* CreateMapFrame(CTarvixDoc&) override { return nullptr; }
  void TileWindows() override {}
  void RefreshTitle() override {}
};

// Counts how often the document refreshed the profile views.
class CountingProfileView : public ProfileDocumentView {
 public:
  int refreshes = 0;
  void OnUpdate(int) override {}
  void OnInitialUpdate() override {}
  void RepaintNow() override { ++refreshes; }
  bool ReloadTraceWindow() override { return true; }
  void SetupScrollBars() override {}
  void ToggleFilters() override {}
};

// A document with a project built in memory (no files) and a map over it.
struct MapFixture {
  explicit MapFixture(int version = 1) {
    doc.project.version = version;
    doc.AttachView(profileView);
  }
  ~MapFixture() { doc.DetachView(profileView); }

  KRadarProfileSet& Set(std::size_t index) {
    while (doc.project.sets.size() <= index) doc.project.sets.push_back(std::make_unique<KRadarProfileSet>());
    return *doc.project.sets[index];
  }

  // A baseline profile of `traces` traces `spacing` apart, crossing the baseline at xDist2Base.
  KBaseLineProfile& AddBaseline(std::size_t set, point3D start, point3D stop, double xDist2Base, double xAngle,
                                double xLength, int traces, double spacing = 0.1, const std::string& name = "") {
    auto profile = std::make_unique<KBaseLineProfile>();
    profile->baselineStart = start;
    profile->baselineStop = stop;
    profile->xDist2Base = xDist2Base;
    profile->xAngle = xAngle;
    profile->xLength = xLength;
    profile->header.lastTrace = traces;
    profile->header.samples = 256;
    profile->header.distanceInterval = spacing;
    profile->dataPath = "/survey/" + (name.empty() ? "line" + std::to_string(Count()) : name) + ".rd3";
    auto& added = *profile;
    Set(set).profiles.push_back(std::move(profile));
    return added;
  }

  struct Fix {
    int trace;
    double latitude;
    double longitude;
  };
  KGPSProfile& AddGps(int traces, const std::vector<Fix>& fixes, const std::string& name = "") {
    auto profile = std::make_unique<KGPSProfile>();
    profile->header.lastTrace = traces;
    profile->header.samples = 128;
    profile->dataPath = "/survey/" + (name.empty() ? "track" + std::to_string(Count()) : name) + ".rd3";
    for (const auto& fix : fixes) profile->coords.push_back(std::make_unique<CCoord>(CCoord{fix.trace, fix.latitude, fix.longitude, 0}));
    auto& added = *profile;
    Set(0).profiles.push_back(std::move(profile));
    return added;
  }

  static KMarker& AddMarker(KRadarProfile& profile, int trace, const std::string& comment = "", int type = 1,
                            bool visible = true) {
    KMarker marker;
    marker.trace = trace;
    marker.type = static_cast<std::int16_t>(type);
    marker.comment = comment;
    marker.visible = visible ? 1 : 0;
    profile.markers.items.push_back(marker);
    return profile.markers.items.back();
  }

  // Aligns the profiles, fills the marker list and shows the map fitted in a window of this size.
  void Show(int width = 600, int height = 400) {
    doc.ComputeAlignment(0);
    host.markerList.MarkersChanged(0, &doc);
    view.OnSize(width, height);
    view.OnInitialUpdate();
  }

  RecordingCanvas Paint() {
    RecordingCanvas canvas;
    view.OnDraw(canvas);
    return canvas;
  }

  int Count() const {
    int n = 0;
    for (const auto& set : doc.project.sets) n += static_cast<int>(set->profiles.size());
    return n;
  }

  TestApp app;
  MapTestHost host;
  CTarvixDoc doc{host};
  CountingProfileView profileView;
  CMapView view{doc, host.markerList};
};

}  // namespace tarvix::testing
