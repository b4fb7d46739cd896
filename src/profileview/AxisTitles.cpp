#include "profileview/AxisTitles.h"

#include "app/AppContext.h"
#include "sitemap/AxisFrame.h"

namespace tarvix {

void SetAxisTitles(AxisFrame& axes, bool distanceBased) {
  axes.xTitle = distanceBased ? "Distance [" + UnitLabel() + "]" : "Time [s]";
  axes.yTitle = App().settings.VertScale == 1 ? "Depth [" + UnitLabel() + "]" : "Time [ns]";
}

}  // namespace tarvix
