#include "ProfileLoader.h"

#include <filesystem>

namespace tarvix::cli {

std::unique_ptr<KRadarProfileSet> LoadProfile(const std::string& basePath) {
  auto set = std::make_unique<KRadarProfileSet>();
  std::error_code error;
  if (std::filesystem::exists(basePath + ".cor", error))
    set->AddGPSProfile(basePath);
  else
    set->AddBaseLineProfile(basePath, {}, {}, 0, 90.0, 0);
  return set;
}

}  // namespace tarvix::cli
