#include "model/KMarkerList.h"

#include <cctype>
#include <cstdlib>

#include "model/FileCopy.h"
#include "model/SafeFileWriter.h"
#include "model/TextLines.h"

namespace tarvix {

namespace {

constexpr std::size_t kMaxLine = 254;
constexpr std::size_t kVersionKeyLength = 15;  // "HEADER VERSION:"

bool IsBlank(const std::string& line) {
  for (char c : line)
    if (!std::isspace(static_cast<unsigned char>(c))) return false;
  return true;
}

// One "%d" conversion: white space, then a decimal number; out-of-range values keep their low bits
// instead of being undefined.
bool ScanInt(const std::string& line, std::size_t& pos, long long& value) {
  while (pos < line.size() && std::isspace(static_cast<unsigned char>(line[pos]))) ++pos;
  const char* start = line.c_str() + pos;
  char* end = nullptr;
  value = std::strtoll(start, &end, 10);
  if (end == start) return false;
  pos += static_cast<std::size_t>(end - start);
  return true;
}

// "%d %d %d %[^\n]": three numbers, then the rest of the line after white space.
bool ParseMarkerLine(const std::string& line, KMarker& marker) {
  std::size_t pos = 0;
  long long trace = 0;
  long long sample = 0;
  long long type = 0;
  if (!ScanInt(line, pos, trace) || !ScanInt(line, pos, sample) || !ScanInt(line, pos, type)) return false;
  while (pos < line.size() && std::isspace(static_cast<unsigned char>(line[pos]))) ++pos;
  const auto storedType = static_cast<std::int16_t>(type);  // keeps the low 16 bits
  if (storedType < 0) return false;
  marker.trace = static_cast<std::int32_t>(trace);
  marker.sample = static_cast<std::int32_t>(sample);
  marker.type = storedType;
  marker.visible = 1;
  marker.comment = line.substr(pos);
  return true;
}

}  // namespace

bool KMarkerList::Read(const std::string& basePath) {
  markerPath = basePath + markerExt;
  TextLineReader reader(markerPath);
  if (!reader.IsOpen()) return false;

  auto first = reader.ReadLine(kMaxLine);
  while (first && IsBlank(*first)) first = reader.ReadLine(kMaxLine);
  if (!first) return false;
  const auto version = first->size() >= kVersionKeyLength ? ExtractInt(first->substr(kVersionKeyLength))
                                                          : std::nullopt;
  if (!version || (*version != 100 && *version != 101)) return false;

  while (auto line = reader.ReadLine(kMaxLine)) {
    if (IsBlank(*line)) continue;
    KMarker marker;
    if (ParseMarkerLine(*line, marker)) items.push_back(marker);
  }
  return true;
}

bool KMarkerList::Write() const {
  SafeFileWriter out(markerPath);
  if (!out.IsOpen()) return false;
  out.WriteLine("HEADER VERSION:100");
  for (const auto& marker : items)
    out.WriteLine(std::to_string(marker.trace) + "\t" + std::to_string(marker.sample) + "\t" +
                  std::to_string(marker.type) + "\t" + marker.comment);
  return out.Commit();
}

bool KMarkerList::CopyTo(const std::string& directory) const { return CopyFileInto(markerPath, directory); }

void KMarkerList::SetAtGrow(std::size_t index, const KMarker& marker) {
  if (index >= items.size()) items.resize(index + 1);
  items[index] = marker;
}

}  // namespace tarvix
