#include "CommandLine.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace tarvix::cli {

namespace {

bool IsDigits(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

}  // namespace

std::optional<CommandLine> CommandLine::Parse(const std::vector<std::string>& words,
                                              const std::set<std::string>& valued,
                                              const std::set<std::string>& switches, std::string& error) {
  CommandLine line;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.rfind("--", 0) != 0) {
      line.positional.push_back(word);
      continue;
    }
    const std::string name = word.substr(2);
    if (switches.count(name)) {
      line.flags.insert(name);
      continue;
    }
    if (name != "set" && !valued.count(name)) {
      error = "unknown option " + word;
      return std::nullopt;
    }
    if (i + 1 >= words.size()) {
      error = word + " needs a value";
      return std::nullopt;
    }
    const std::string& value = words[++i];
    if (name == "set" && valued.count("set") && IsDigits(value)) {
      int index = 0;
      const char* end = value.data() + value.size();
      auto [ptr, code] = std::from_chars(value.data(), end, index);
      if (code != std::errc() || ptr != end) {
        error = "--set N takes a set number";
        return std::nullopt;
      }
      line.setIndex = index;
    } else if (name == "set") {
      const auto equals = value.find('=');
      if (equals == std::string::npos || equals == 0) {
        error = "--set takes NAME=VALUE";
        return std::nullopt;
      }
      line.overrides.emplace_back(value.substr(0, equals), value.substr(equals + 1));
    } else {
      line.options[name] = value;
    }
  }
  return line;
}

std::optional<int> CommandLine::IntOption(const std::string& name, std::string& error) const {
  auto it = options.find(name);
  if (it == options.end()) {
    error = "--" + name + " is required";
    return std::nullopt;
  }
  int value = 0;
  const char* end = it->second.data() + it->second.size();
  auto [ptr, code] = std::from_chars(it->second.data(), end, value);
  if (code != std::errc() || ptr != end) {
    error = "--" + name + " takes a whole number";
    return std::nullopt;
  }
  return value;
}

bool CommandLine::IntOptionInRange(const std::string& name, int low, int high, int& value,
                                   std::string& error) const {
  if (!options.count(name)) return true;
  const auto read = IntOption(name, error);
  if (!read) return false;
  if (*read < low || *read > high) {
    error = "--" + name + " takes " + std::to_string(low) + " to " + std::to_string(high);
    return false;
  }
  value = *read;
  return true;
}

}  // namespace tarvix::cli
