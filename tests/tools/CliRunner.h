#pragma once
#include <string>
#include <vector>

namespace tarvix::testing {

struct CliResult {
  int status = -1;
  std::string out;
};

// Runs tarvix-cli with these arguments and a settings folder of the test's own, so the user's
// settings are neither read nor changed.
CliResult RunCli(const std::vector<std::string>& arguments, const std::string& configFolder);

// The demo survey (16-bit data), written once per test binary into a folder of its own; the
// folder's path ends in a separator. The tests only read it.
const std::string& DemoSurveyFolder();

}  // namespace tarvix::testing
