#pragma once
#include <string>

namespace tarvix {

class DocumentWindows;
class MarkerListModel;

// What the document needs of the program around it.
class DocumentHost {
 public:
  virtual ~DocumentHost() = default;
  virtual MarkerListModel& MarkerList() = 0;
  virtual DocumentWindows& Windows() = 0;
  virtual void AddToRecentFiles(const std::string& path) = 0;
};

}  // namespace tarvix
