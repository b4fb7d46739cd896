#pragma once
#include <string>
#include <vector>

namespace tarvix {

// Where the recent-file list is kept between runs.
class RecentFileStore {
 public:
  virtual ~RecentFileStore() = default;
  virtual std::vector<std::string> LoadRecentFiles() const = 0;
  virtual void SaveRecentFiles(const std::vector<std::string>& paths) = 0;
};

}  // namespace tarvix
