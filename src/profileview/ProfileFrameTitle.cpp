#include "profileview/ProfileFrameTitle.h"

namespace tarvix {

std::string ProfileFrameTitle(int displayedCount) { return displayedCount == 1 ? "GPR Profile" : "GPR Profiles"; }

}  // namespace tarvix
