#pragma once
#include <memory>
#include <vector>

#include "model/CCoord.h"
#include "model/Point3D.h"

namespace tarvix::testing {

// The plain look-up of an interpolated GPS position: the fixes are scanned from the first for
// every trace. The model's faster look-up must give exactly the same points.
point3D ScanPositionAtTrace(const std::vector<std::unique_ptr<CCoord>>& coords, int trace);

}  // namespace tarvix::testing
