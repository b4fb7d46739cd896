#pragma once
#include <cstdint>

#include "app/CPropertyPageModel.h"

namespace tarvix {

// The "GPR Profiles" options page. The velocity is shown in the display unit per microsecond
// while the page is active and is in metres per microsecond whenever it is not.
class CMyPropertyPage1 : public CPropertyPageModel {
 public:
  static constexpr std::int32_t kFewestProfiles = 1;
  static constexpr std::int32_t kMostProfiles = 10;
  static constexpr double kFastestVelocity = 300.0;  // metres per microsecond

  std::string Title() const override { return "GPR Profiles"; }
  void OnSetActive() override;
  bool OnKillActive() override;

  // The up-down arrows beside "Maximum number of profiles".
  void StepMaxProfile(int steps);

  std::int32_t maxProfile = 4;
  std::int32_t zeroLevel = 0;
  double velocity = 100.0;
  std::int32_t vertScale = 0;
  std::int32_t profOrder = 0;
  std::int32_t profSize = 0;
  double gpsHeight = 0;
  std::string velocityUnit;
};

}  // namespace tarvix
