#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "platform/Colour.h"

namespace tarvix {

class SettingsStore;

// 64 palette colours followed by the display gain: 260 bytes, stored as one block.
struct PaletteRecord {
  std::array<Colour, 64> colours{};
  float gain = 1.0f;

  static constexpr std::size_t kBytes = 260;
  static PaletteRecord GreyRamp();
};
static_assert(sizeof(PaletteRecord) == PaletteRecord::kBytes);

constexpr int kMarkerTypeCount = 14;
constexpr int kEditableMarkerTypes = 7;

// The user's settings, named as their stored values.
struct AppSettings {
  std::int32_t ZeroLevel = 0;
  std::int32_t VertScale = 0;
  std::int32_t ProfOrder = 0;
  std::int32_t ProfSize = 0;
  std::int32_t MaxProfile = 4;
  std::int32_t Units = 0;
  std::int32_t TitleFlag = 0;
  std::string TitleText;
  std::int32_t Orientation = 0;
  std::int32_t CoordOrder = 0;
  double Velocity = 100.0;
  PaletteRecord Palette = PaletteRecord::GreyRamp();
  std::string CurDir;
  std::array<std::string, kMarkerTypeCount> markerTypeNames;

  // Reads every value in the stored order; absent values take their first-run defaults,
  // absent or wrongly sized binary values keep what the field holds.
  void Load(const SettingsStore& store);
  void Save(SettingsStore& store) const;

  // The name shown for a marker type index 0..13: its stored name, or "Type N" when empty.
  std::string MarkerTypeName(int index) const;

  double MetresToDisplay(double metres) const;
  double DisplayToMetres(double display) const;
  std::string UnitLabel() const;
};

// The stored value name of marker type index 0..13.
std::string MarkerTypeValueName(int index);

}  // namespace tarvix
