#pragma once
#include <string>
#include <vector>

#include "document/DocumentHost.h"
#include "document/DocumentWindows.h"
#include "document/MapDocumentView.h"
#include "document/MapFrame.h"
#include "document/ProfileDocumentView.h"
#include "profileview/MarkerListModel.h"

namespace tarvix::testing {

// What the views and windows were asked to do, in order.
using EventLog = std::vector<std::string>;

class RecordingProfileView : public ProfileDocumentView {
 public:
  explicit RecordingProfileView(EventLog& log, std::string name = "profile") : log_(log), name_(std::move(name)) {}
  void OnUpdate(int hint) override { log_.push_back(name_ + " update " + std::to_string(hint)); }
  void OnInitialUpdate() override { log_.push_back(name_ + " initial update"); }
  void RepaintNow() override { log_.push_back(name_ + " repaint"); }
  bool ReloadTraceWindow() override {
    log_.push_back(name_ + " reload");
    return true;
  }
  void SetupScrollBars() override { log_.push_back(name_ + " scroll bars"); }
  void ToggleFilters() override { log_.push_back(name_ + " toggle filters"); }

 private:
  EventLog& log_;
  std::string name_;
};

class RecordingMapView : public MapDocumentView {
 public:
  explicit RecordingMapView(EventLog& log) : log_(log) {}
  void OnUpdate(int hint) override { log_.push_back("map update " + std::to_string(hint)); }
  void OnInitialUpdate() override { log_.push_back("map initial update"); }
  void RepaintNow() override { log_.push_back("map repaint"); }

 private:
  EventLog& log_;
};

class RecordingMapFrame : public MapFrame {
 public:
  explicit RecordingMapFrame(EventLog& log) : log_(log) {}
  void Show(bool shown) override { log_.push_back(shown ? "show map" : "hide map"); }

 private:
  EventLog& log_;
};

// The main window's part, for any host.
template <typename Windows>
class RecordingWindowsOf : public Windows {
 public:
  explicit RecordingWindowsOf(EventLog& log) : frame(log), log_(log) {}
  MapFrame* CreateMapFrame(CTarvixDoc&) override {
    log_.push_back("create map");
    return mapFrameFails ? nullptr : &frame;
  }
  void TileWindows() override { log_.push_back("tile"); }
  void RefreshTitle() override { log_.push_back("title"); }

  RecordingMapFrame frame;
  bool mapFrameFails = false;

 protected:
  EventLog& log_;
};

// A document's surroundings: a real marker list, recorded windows and recent files.
class RecordingHost : public DocumentHost {
 public:
  MarkerListModel& MarkerList() override { return list; }
  DocumentWindows& Windows() override { return windows; }
  void AddToRecentFiles(const std::string& path) override { recentFiles.push_back(path); }

  EventLog log;
  MarkerListModel list;
  RecordingWindowsOf<DocumentWindows> windows{log};
  std::vector<std::string> recentFiles;
};

}  // namespace tarvix::testing
