#pragma once
#include "platform/Geometry.h"

namespace tarvix {

class KTarvixProject;

// The part of the world the project covers, in whole world units of the drawn frame (swapped
// for left-handed baseline projects), grown by 2 on every side. Here `top` is the smallest and
// `bottom` the largest y. Baseline projects count each baseline's end points and each profile's
// first and last trace; GPS projects every fix of the first set. Without any point the box lies
// around the origin.
Rect ComputeMapExtent(const KTarvixProject& project, bool swapAxes);

}  // namespace tarvix
