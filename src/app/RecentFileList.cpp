#include "app/RecentFileList.h"

#include <algorithm>

#include "app/RecentFileStore.h"

namespace tarvix {

void RecentFileList::Add(const std::string& path) {
  if (path.empty()) return;
  std::erase(entries_, path);
  entries_.insert(entries_.begin(), path);
  if (entries_.size() > kSize) entries_.resize(kSize);
}

void RecentFileList::Remove(std::size_t index) {
  if (index < entries_.size()) entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
}

void RecentFileList::Load(const RecentFileStore& store) {
  entries_.clear();
  for (const auto& path : store.LoadRecentFiles())
    if (!path.empty() && entries_.size() < kSize && std::find(entries_.begin(), entries_.end(), path) == entries_.end())
      entries_.push_back(path);
}

void RecentFileList::Save(RecentFileStore& store) const { store.SaveRecentFiles(entries_); }

}  // namespace tarvix
