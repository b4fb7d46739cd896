#include "core/CPaletteFile.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

namespace tarvix::huelisk {

namespace {

constexpr std::string_view kMagic = "HUELISK-PALETTE";
constexpr std::string_view kGainKey = "GAIN";

std::filesystem::path PathFromUtf8(const std::string& path) {
  return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    lines.push_back(Trim(text.substr(0, end)));
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
  }
  return lines;
}

// "KEY value" with exactly one run of blanks between the two.
bool SplitKey(std::string_view line, std::string_view key, std::string_view& value) {
  if (line.substr(0, key.size()) != key || line.size() == key.size() ||
      (line[key.size()] != ' ' && line[key.size()] != '\t')) {
    return false;
  }
  value = Trim(line.substr(key.size()));
  return true;
}

// The offending text, short and printable, for a message.
std::string Quote(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text.substr(0, 24)) {
    quoted += (c >= 0x20 && c < 0x7F) ? c : '?';
  }
  return quoted + (text.size() > 24 ? "...\"" : "\"");
}

std::string LineError(std::size_t line, const std::string& text) {
  return "Line " + std::to_string(line) + ": " + text;
}

bool ParseColour(std::string_view text, std::uint32_t& rgb) {
  if (!text.empty() && text.front() == '#') {
    text.remove_prefix(1);
  }
  if (text.size() != 6) {
    return false;
  }
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), rgb, 16);
  return ec == std::errc() && end == text.data() + text.size();
}

bool ParseGain(std::string_view text, float& gain) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), gain);
  return ec == std::errc() && end == text.data() + text.size() && std::isfinite(gain) &&
         gain >= CPalette::kMinGain && gain <= CPalette::kMaxGain;
}

}  // namespace

std::string CPaletteFile::Format(const CPalette& palette) {
  char number[32];
  const auto result = std::to_chars(number, number + sizeof number, palette.gain);
  std::string text = std::string(kMagic) + " " + std::to_string(kVersion) + "\r\n";
  text += std::string(kGainKey) + " " + std::string(number, result.ptr) + "\r\n";
  for (std::uint32_t rgb : palette.entries) {
    char colour[16];
    std::snprintf(colour, sizeof colour, "#%06X\r\n", static_cast<unsigned>(rgb & 0xFFFFFF));
    text += colour;
  }
  return text;
}

bool CPaletteFile::Parse(std::string_view text, CPalette& palette, std::string& error) {
  if (text.size() > kMaxBytes) {
    error = "The file is too large to be a palette file.";
    return false;
  }
  const std::vector<std::string_view> lines = SplitLines(text);
  std::string_view value;
  if (lines.empty() || !SplitKey(lines[0], kMagic, value)) {
    error = LineError(1, "this is not a palette file (it must begin with \"" + std::string(kMagic) + " " +
                             std::to_string(kVersion) + "\").");
    return false;
  }
  if (value != std::to_string(kVersion)) {
    error = LineError(1, "palette file version " + Quote(value) + " is not supported (version " +
                             std::to_string(kVersion) + " is).");
    return false;
  }
  CPalette read;
  if (lines.size() < 2 || !SplitKey(lines[1], kGainKey, value) || !ParseGain(value, read.gain)) {
    error = LineError(2, "\"" + std::string(kGainKey) + "\" and a gain from 1 to 80 expected.");
    return false;
  }
  constexpr std::size_t kFirst = 2;
  for (std::size_t k = 0; k < read.entries.size(); ++k) {
    if (kFirst + k >= lines.size()) {
      error = "The file ends after " + std::to_string(k) + " of the 64 colours.";
      return false;
    }
    if (!ParseColour(lines[kFirst + k], read.entries[k])) {
      error = LineError(kFirst + k + 1, Quote(lines[kFirst + k]) +
                                            " is not a colour (six hexadecimal digits RRGGBB expected).");
      return false;
    }
  }
  for (std::size_t n = kFirst + read.entries.size(); n < lines.size(); ++n) {
    if (!lines[n].empty()) {
      error = LineError(n + 1, "unexpected text after the 64th colour.");
      return false;
    }
  }
  palette = read;
  return true;
}

bool CPaletteFile::Read(const std::string& path, CPalette& palette, std::string& error) {
  std::ifstream file(PathFromUtf8(path), std::ios::binary);
  if (!file) {
    error = "The file cannot be opened.";
    return false;
  }
  // One byte more than the limit is enough to tell a file that is too large.
  std::string text(kMaxBytes + 1, '\0');
  file.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (file.bad()) {
    error = "The file cannot be read.";
    return false;
  }
  text.resize(static_cast<std::size_t>(file.gcount()));
  return Parse(text, palette, error);
}

bool CPaletteFile::Write(const std::string& path, const CPalette& palette, std::string& error) {
  const std::filesystem::path target = PathFromUtf8(path);
  std::filesystem::path temporary = target;
  temporary += ".writing";
  const std::string text = Format(palette);
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file.is_open()) {
      error = "The file cannot be written.";
      return false;
    }
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    if (!file) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      error = "The file cannot be written.";
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temporary, target, ec);
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    error = "The file cannot be written: " + ec.message() + ".";
    return false;
  }
  return true;
}

}  // namespace tarvix::huelisk
