#pragma once
#include <string>

namespace tarvix {

// n·x rounded half up for positive values; negative values are truncated toward zero.
double RoundToFraction(double x, int n);

// The part of a path after its last separator, or the whole path when it has none.
std::string FileNameOfPath(const std::string& path);

}  // namespace tarvix
