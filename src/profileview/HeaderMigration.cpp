#include "profileview/HeaderMigration.h"

#include <algorithm>

#include "model/KHeaderInfo.h"

namespace tarvix {

MigrationParameters MigrationParametersOf(const KHeaderInfo& header, double velocity, int zeroLevel) {
  MigrationParameters parameters;
  parameters.samples = std::max(header.samples, 0);
  parameters.timeWindow = header.GetTimeWindow();
  parameters.traceInterval = header.GetTraceInterval();
  parameters.antennaSeparation = header.antennaSeparation;
  parameters.velocity = velocity;
  parameters.zeroLevel = zeroLevel;
  return parameters;
}

}  // namespace tarvix
