#pragma once
#include <memory>
#include <string>
#include <vector>

#include "model/KRadarProfileSet.h"

namespace tarvix {

// An open survey: sets of profiles, a baseline project (version 1) or a GPS project (version 2).
class KTarvixProject {
 public:
  virtual ~KTarvixProject() = default;

  std::vector<std::unique_ptr<KRadarProfileSet>> sets;
  std::string basePath;
  std::int32_t version = 1;

  // Replaces the project by the ".tvx" file at `path` and loads every profile; false when the
  // file cannot be opened, its version is unknown or a GPS profile has no coordinates.
  bool Read(const std::string& path);
  // Writes basePath + ".tvx", every marker file and the filter settings. Every file is replaced
  // only once it is completely written; false when any of them could not be written.
  bool Write() const;
  // Writes under another base path; the project keeps its own.
  bool WriteTo(const std::string& otherBasePath);
  // Appends the sets of another baseline project, copying its files into this project's folder.
  void Merge(const KTarvixProject& other);

  std::string GetBasePath() const { return basePath; }
  void RemoveSet(int index);
  bool IsGPSProject() const { return version == 2; }
  void LoadFilters() const;
  void SaveFilters(const KRadarProfile* profile) const;
};

}  // namespace tarvix
