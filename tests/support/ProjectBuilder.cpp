#include "support/ProjectBuilder.h"

#include "support/TempDir.h"

namespace tarvix::testing {

std::string ProjectBuilder::BaselineProject(const std::string& name, const std::vector<Baseline>& baselines) const {
  std::string text = "VERSION:1\r\nNUMBER_OF_BASELINES:" + std::to_string(baselines.size()) + "\r\n";
  int number = 0;
  for (const auto& baseline : baselines) {
    text += "BASELINE:" + std::to_string(++number) + "\r\nSTART_X:0\r\nSTART_Y 0\r\nSTOP_X:10\r\nSTOP_Y:0\r\n";
    text += "NUMBER_OF_PROFILES:" + std::to_string(baseline.size()) + "\r\n";
    for (const auto& p : baseline)
      text += p.name + "\r\nX_LENGTH:" + std::to_string(p.xLength) + "\r\nX_ANGLE:" + std::to_string(p.xAngle) +
              "\r\nX_DIST2BASE:" + std::to_string(p.xDist2Base) + "\r\n";
  }
  const std::string path = folder_ + "/" + name + ".tvx";
  WriteFileBytes(path, text);
  return path;
}

std::string ProjectBuilder::GpsProject(const std::string& name, const std::vector<std::string>& profiles) const {
  std::string text = "VERSION:2\r\n";
  if (!profiles.empty()) {
    text += "NUMBER_OF_PROFILES:" + std::to_string(profiles.size()) + "\r\n";
    for (const auto& profile : profiles) text += profile + "\r\n";
  }
  const std::string path = folder_ + "/" + name + ".tvx";
  WriteFileBytes(path, text);
  return path;
}

}  // namespace tarvix::testing
