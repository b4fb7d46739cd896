#include "CliRunner.h"

#include <sys/wait.h>

#include <cstdio>

#include <gtest/gtest.h>

#include "DemoSurvey.h"
#include "support/TempDir.h"

namespace tarvix::testing {

namespace {
std::string Quote(const std::string& word) {
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}
}  // namespace

CliResult RunCli(const std::vector<std::string>& arguments, const std::string& configFolder) {
  std::string command = "XDG_CONFIG_HOME=" + Quote(configFolder) + " " + Quote(TARVIX_CLI);
  for (const auto& argument : arguments) command += " " + Quote(argument);
  command += " 2>/dev/null";
  CliResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return result;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

const std::string& DemoSurveyFolder() {
  static TempDir dir;
  static const std::string folder = [] {
    const std::string path = dir.Path().string() + "/";
    EXPECT_TRUE(demo::WriteDemoSurveyOnItsOwn(path));
    return path;
  }();
  return folder;
}

}  // namespace tarvix::testing
