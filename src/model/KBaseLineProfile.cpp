#include "model/KBaseLineProfile.h"

namespace tarvix {

int KBaseLineProfile::GetTracePositions(std::vector<point3D>&, int, int) const { return 0; }

double KBaseLineProfile::DistanceToPoint(const point3D&) const { return 0; }

}  // namespace tarvix
