#include "app/TextHelpers.h"

#include <cstdint>

namespace tarvix {

double RoundToFraction(double x, int n) {
  const double y = n * x;
  const auto c = static_cast<std::int64_t>(y);
  if (y - static_cast<double>(c) < 0.5) return static_cast<double>(c) / n;
  return static_cast<double>(c + 1) / n;
}

std::string FileNameOfPath(const std::string& path) {
#ifdef _WIN32
  const auto cut = path.find_last_of("\\/");
#else
  const auto cut = path.find_last_of('/');
#endif
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace tarvix
