#include "filters/FiltersFilePath.h"

#include <filesystem>

namespace tarvix {

std::string FiltersFilePath() {
  std::error_code error;
  const std::filesystem::path directory = std::filesystem::current_path(error);
  if (error) return {};
  return (directory / "filters.dat").string();
}

}  // namespace tarvix
