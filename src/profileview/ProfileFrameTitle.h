#pragma once
#include <string>

namespace tarvix {

// The profile frame's caption: singular while exactly one profile is displayed.
std::string ProfileFrameTitle(int displayedCount);

}  // namespace tarvix
