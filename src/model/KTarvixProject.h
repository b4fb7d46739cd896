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

  std::string GetBasePath() const { return basePath; }
  void RemoveSet(int index);
  bool IsGPSProject() const { return version == 2; }
};

}  // namespace tarvix
