#pragma once
#include <string>
#include <vector>

namespace tarvix {

class RecentFileStore;

// The most recently opened or saved project files, newest first.
class RecentFileList {
 public:
  static constexpr std::size_t kSize = 4;

  // A path already listed moves to the top; the oldest entry drops out beyond the size.
  void Add(const std::string& path);
  void Remove(std::size_t index);
  const std::vector<std::string>& Entries() const { return entries_; }

  void Load(const RecentFileStore& store);
  void Save(RecentFileStore& store) const;

 private:
  std::vector<std::string> entries_;
};

}  // namespace tarvix
