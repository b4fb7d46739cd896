#pragma once
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tarvix::cli {

// The words after a command: positional arguments, "--name value" options, "--flag" switches
// and any number of "--set NAME=VALUE" overrides. A command that names "set" among its valued
// options also takes "--set N", a bare whole number: the profile set to show.
struct CommandLine {
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;
  std::set<std::string> flags;
  std::vector<std::pair<std::string, std::string>> overrides;
  std::optional<int> setIndex;

  // `valued` names the options that take a value, `switches` those that don't; anything else
  // is an error, returned as its text.
  static std::optional<CommandLine> Parse(const std::vector<std::string>& words,
                                          const std::set<std::string>& valued,
                                          const std::set<std::string>& switches, std::string& error);

  std::optional<int> IntOption(const std::string& name, std::string& error) const;
  // Reads an optional whole-number option within [low, high] into `value`, which keeps its value
  // when the option is absent; false (with the reason) when it is given badly.
  bool IntOptionInRange(const std::string& name, int low, int high, int& value, std::string& error) const;
};

}  // namespace tarvix::cli
