#pragma once
#include <string>

namespace tarvix {

// "filters.dat" in the process's current directory, whatever the directory's length; empty when
// the current directory cannot be had.
std::string FiltersFilePath();

}  // namespace tarvix
