#pragma once
#include "profileview/Migration.h"

namespace tarvix {

class KHeaderInfo;

// What migrating a block of this profile takes from its header, with the ground velocity (m/µs)
// and first-arrival sample of the user's settings.
MigrationParameters MigrationParametersOf(const KHeaderInfo& header, double velocity, int zeroLevel);

}  // namespace tarvix
