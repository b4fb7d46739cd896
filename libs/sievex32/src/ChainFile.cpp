#include "ChainFile.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>

namespace tarvix::sievex {

namespace {

constexpr std::string_view kHeader = "SIEVEX32 FILTERS 1";
// Far beyond any chain a surveyor builds; anything larger is not one of our files.
constexpr std::size_t kMostBytes = 64 * 1024;
constexpr std::size_t kLongestLine = 1024;
constexpr std::size_t kMostFilters = 64;

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (IsSpace(text.front()) || text.front() == '\r')) text.remove_prefix(1);
  while (!text.empty() && (IsSpace(text.back()) || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsSpace(line[i])) ++i;
    const std::size_t start = i;
    while (i < line.size() && !IsSpace(line[i])) ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

std::optional<double> ParseValue(const ParameterSpec& spec, std::string_view text) {
  if (!spec.special.empty() && text == spec.special) return spec.minimum;
  double value = 0.0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  if (!std::isfinite(value) || value < spec.minimum || value > spec.maximum) return std::nullopt;
  if (spec.decimals == 0 && value != std::floor(value)) return std::nullopt;
  return value;
}

std::optional<FilterStep> ParseStep(const std::vector<std::string_view>& words) {
  if (words.size() < 2) return std::nullopt;
  const FilterKind* kind = FindKind(words[0]);
  if (kind == nullptr || (words[1] != "on" && words[1] != "off")) return std::nullopt;
  FilterStep step = MakeStep(*kind);
  step.enabled = words[1] == "on";
  std::vector<bool> seen(kind->parameters.size(), false);
  for (std::size_t w = 2; w < words.size(); ++w) {
    const std::size_t equals = words[w].find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::string_view key = words[w].substr(0, equals);
    std::size_t p = 0;
    while (p < kind->parameters.size() && kind->parameters[p].key != key) ++p;
    if (p == kind->parameters.size() || seen[p]) return std::nullopt;
    const std::optional<double> value = ParseValue(kind->parameters[p], words[w].substr(equals + 1));
    if (!value) return std::nullopt;
    step.values[p] = *value;
    seen[p] = true;
  }
  return step;
}

}  // namespace

std::optional<FilterChain> ParseChain(std::string_view text) {
  if (text.size() > kMostBytes) return std::nullopt;
  FilterChain chain;
  bool headerSeen = false;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view raw = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (raw.size() > kLongestLine || raw.find('\0') != std::string_view::npos) return std::nullopt;
    const std::string_view line = Trim(raw);
    if (!headerSeen) {
      if (line != kHeader) return std::nullopt;
      headerSeen = true;
      continue;
    }
    if (line.empty() || line.front() == '#') continue;
    std::optional<FilterStep> step = ParseStep(Words(line));
    if (!step || chain.size() == kMostFilters) return std::nullopt;
    chain.push_back(std::move(*step));
  }
  if (!headerSeen) return std::nullopt;
  return chain;
}

std::string FormatChain(const FilterChain& chain) {
  std::string text = std::string(kHeader) + "\r\n";
  for (const FilterStep& step : chain) {
    text += std::string(step.kind->name) + (step.enabled ? " on" : " off");
    for (std::size_t p = 0; p < step.values.size(); ++p) {
      const ParameterSpec& spec = step.kind->parameters[p];
      text += ' ' + std::string(spec.key) + '=' + FormatValue(spec, step.values[p]);
    }
    text += "\r\n";
  }
  return text;
}

std::optional<FilterChain> LoadChainFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text(kMostBytes + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  if (text.size() > kMostBytes) return std::nullopt;
  return ParseChain(text);
}

bool SaveChainFile(const std::string& path, const FilterChain& chain) {
  const std::string temporary = path + ".new";
  const std::string text = FormatChain(chain);
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (!error) return true;
  std::filesystem::remove(temporary, error);
  return false;
}

}  // namespace tarvix::sievex
