#include "model/KGPSProfile.h"

namespace tarvix {

int KGPSProfile::GetTracePositions(std::vector<point3D>&, int, int) const { return 0; }

double KGPSProfile::DistanceToPoint(const point3D&) const { return 0; }

}  // namespace tarvix
