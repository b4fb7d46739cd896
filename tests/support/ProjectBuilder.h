#pragma once
#include <string>
#include <vector>

namespace tarvix::testing {

// Writes ".tvx" project files into a folder; the profiles' own files come from SurveyBuilder.
class ProjectBuilder {
 public:
  explicit ProjectBuilder(std::string folder) : folder_(std::move(folder)) {}

  struct Placement {
    std::string name;
    double xDist2Base = 0;
    double xAngle = 270;
    double xLength = 0;
  };
  using Baseline = std::vector<Placement>;

  // A baseline project of these baselines; returns the project file's path.
  std::string BaselineProject(const std::string& name, const std::vector<Baseline>& baselines) const;
  // A GPS project of these profiles (none: the version line alone).
  std::string GpsProject(const std::string& name, const std::vector<std::string>& profiles) const;

 private:
  std::string folder_;
};

}  // namespace tarvix::testing
