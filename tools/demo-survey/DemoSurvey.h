#pragma once
#include <string>
#include <vector>

#include "SyntheticProfile.h"

namespace tarvix::demo {

// One profile of the demo survey: its file name and what lies under it.
struct DemoProfile {
  std::string name;
  ProfileModel model;
};

// The ground velocity the demo survey was made with, in metres per microsecond.
constexpr double kDemoVelocity = 100.0;
// The sample of time zero in every demo trace.
constexpr int kDemoZeroLevel = 20;

// The profiles of the demo survey, always the same.
std::vector<DemoProfile> DemoProfiles();

// Writes a profile's header, 16-bit data and markers (one at each point reflector's apex) into
// `folder` (ending in a separator). False when a file could not be written.
bool WriteProfile(const std::string& folder, const DemoProfile& profile);

// Placement of the demo profiles along the baselines of the baseline project.
struct DemoPlacement {
  std::string profile;
  int baseline;  // 0 or 1
  double xDist2Base;
  double xAngle;
  double xLength;
};
std::vector<DemoPlacement> DemoBaselinePlacements();

// The project files' names in the demo folder.
constexpr const char* kDemoBaselineProject = "demo-baseline.tvx";
constexpr const char* kDemoGpsProject = "demo-gps.tvx";

// The GPS profiles: their own synthetic data, walked as gently curving tracks near this point.
std::vector<DemoProfile> DemoGpsProfiles();
constexpr double kDemoGpsLatitude = 55.7035;
constexpr double kDemoGpsLongitude = 13.1910;

// Writes the whole demo survey into `folder` (ending in a separator): the profiles, the baseline
// project over five of them and the GPS project over three others with their fixes. Needs a current application context; false when a file could not
// be written.
bool WriteDemoSurvey(const std::string& folder);

// The same under settings of its own (16-bit data), never the user's, whatever context is
// current; the messages of a failure are added to `messages` when given.
bool WriteDemoSurveyOnItsOwn(const std::string& folder, std::vector<std::string>* messages = nullptr);

}  // namespace tarvix::demo
