#pragma once
#include <string>

#include "document/DocumentHost.h"
#include "document/DocumentWindows.h"
#include "profileview/MarkerListModel.h"

namespace tarvix {

// A document's surroundings when only its views matter (tarvix-cli, tests): a real marker list
// and a main window that opens nothing.
class HeadlessDocumentHost : public DocumentHost, public DocumentWindows {
 public:
  MarkerListModel& MarkerList() override { return list; }
  DocumentWindows& Windows() override { return *this; }
  void AddToRecentFiles(const std::string&) override {}
  MapFrame* CreateMapFrame(CTarvixDoc&) override { return nullptr; }
  void TileWindows() override {}
  void RefreshTitle() override {}

  MarkerListModel list;
};

}  // namespace tarvix
