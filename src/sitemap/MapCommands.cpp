#include "sitemap/MapCommands.h"

#include "model/TextLines.h"
#include "sitemap/MapTransform.h"

namespace tarvix {

std::string ZoomBoxText(float factor) { return Format("%3d%%", TruncToInt(factor * 100)); }

}  // namespace tarvix
