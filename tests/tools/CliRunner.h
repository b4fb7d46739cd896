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

}  // namespace tarvix::testing
