#pragma once
#include "app/RecentFileStore.h"

namespace tarvix {

// The recent-file list beside the settings: group "Recent File List", values "File1".. .
class QtRecentFileStore : public RecentFileStore {
 public:
  std::vector<std::string> LoadRecentFiles() const override;
  void SaveRecentFiles(const std::vector<std::string>& paths) override;
};

}  // namespace tarvix
