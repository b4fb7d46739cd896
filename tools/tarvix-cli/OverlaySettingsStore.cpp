#include "OverlaySettingsStore.h"

#include <charconv>
#include <cstring>
#include <set>

#include "app/AppSettings.h"

namespace tarvix::cli {

namespace {

const std::set<std::string> kIntegerSettings = {"ZeroLevel",   "VertScale",  "ProfOrder", "ProfSize",
                                                "MaxProfile",  "Units",      "TitleFlag", "Orientation",
                                                "CoordOrder",  "MapVisible"};

bool IsStringSetting(const std::string& name) {
  if (name == "TitleText" || name == "CurDir") return true;
  for (int i = 0; i < kMarkerTypeCount; ++i)
    if (name == MarkerTypeValueName(i)) return true;
  return false;
}

template <typename T>
bool ParseWhole(const std::string& text, T& value) {
  const char* end = text.data() + text.size();
  auto [ptr, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && ptr == end && !text.empty();
}

}  // namespace

bool OverlaySettingsStore::Override(const std::string& name, const std::string& value, std::string& reason) {
  if (kIntegerSettings.count(name)) {
    std::int32_t number = 0;
    if (!ParseWhole(value, number)) {
      reason = name + " takes a whole number";
      return false;
    }
    integers_[name] = number;
    return true;
  }
  if (name == "Velocity") {
    double velocity = 0;
    if (!ParseWhole(value, velocity)) {
      reason = "Velocity takes a number (metres per microsecond)";
      return false;
    }
    std::vector<std::uint8_t> bytes(sizeof velocity);
    std::memcpy(bytes.data(), &velocity, sizeof velocity);
    binaries_[name] = bytes;
    return true;
  }
  if (IsStringSetting(name)) {
    strings_[name] = value;
    return true;
  }
  reason = "no setting named " + name + " can be overridden";
  return false;
}

std::optional<std::int32_t> OverlaySettingsStore::ReadInt(const std::string& name) const {
  if (auto it = integers_.find(name); it != integers_.end()) return it->second;
  return base_.ReadInt(name);
}

std::optional<std::string> OverlaySettingsStore::ReadString(const std::string& name) const {
  if (auto it = strings_.find(name); it != strings_.end()) return it->second;
  return base_.ReadString(name);
}

std::optional<std::vector<std::uint8_t>> OverlaySettingsStore::ReadBinary(const std::string& name) const {
  if (auto it = binaries_.find(name); it != binaries_.end()) return it->second;
  return base_.ReadBinary(name);
}

}  // namespace tarvix::cli
