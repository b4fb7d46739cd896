#include "app/AppSettings.h"

#include <cstring>
#include <vector>

#include "platform/SettingsStore.h"

namespace tarvix {

namespace {

constexpr double kMetresPerFoot = 0.3048;

template <typename T>
void ReadBlock(const SettingsStore& store, const std::string& name, T& field) {
  auto bytes = store.ReadBinary(name);
  if (bytes && bytes->size() == sizeof(T)) std::memcpy(&field, bytes->data(), sizeof(T));
}

template <typename T>
std::vector<std::uint8_t> BlockOf(const T& field) {
  std::vector<std::uint8_t> bytes(sizeof(T));
  std::memcpy(bytes.data(), &field, sizeof(T));
  return bytes;
}

}  // namespace

PaletteRecord PaletteRecord::GreyRamp() {
  PaletteRecord record;
  for (std::size_t k = 0; k < record.colours.size(); ++k)
    record.colours[k] = static_cast<Colour>(0x040404u * k);
  record.gain = 1.0f;
  return record;
}

std::string MarkerTypeValueName(int index) { return "Type #" + std::to_string(index); }

void AppSettings::Load(const SettingsStore& store) {
  auto integer = [&](const char* name, std::int32_t absent) { return store.ReadInt(name).value_or(absent); };
  ZeroLevel = integer("ZeroLevel", 0);
  VertScale = integer("VertScale", 0);
  ProfOrder = integer("ProfOrder", 0);
  ProfSize = integer("ProfSize", 0);
  MaxProfile = integer("MaxProfile", 4);
  Units = integer("Units", 0);
  TitleFlag = integer("TitleFlag", 0);
  TitleText = store.ReadString("TitleText").value_or("");
  Orientation = integer("Orientation", 1);
  CoordOrder = integer("CoordOrder", 0);
  CurDir = store.ReadString("CurDir").value_or("");
  ReadBlock(store, "Palette", Palette);
  ReadBlock(store, "Velocity", Velocity);
  for (int i = 0; i < kMarkerTypeCount; ++i)
    markerTypeNames[i] = store.ReadString(MarkerTypeValueName(i)).value_or("");
}

void AppSettings::Save(SettingsStore& store) const {
  store.WriteInt("ZeroLevel", ZeroLevel);
  store.WriteInt("VertScale", VertScale);
  store.WriteInt("ProfOrder", ProfOrder);
  store.WriteInt("ProfSize", ProfSize);
  store.WriteInt("MaxProfile", MaxProfile);
  store.WriteInt("Units", Units);
  store.WriteInt("TitleFlag", TitleFlag);
  store.WriteString("TitleText", TitleText);
  store.WriteInt("Orientation", Orientation);
  store.WriteInt("CoordOrder", CoordOrder);
  store.WriteBinary("Velocity", BlockOf(Velocity));
  store.WriteBinary("Palette", BlockOf(Palette));
  store.WriteString("CurDir", CurDir);
  for (int i = 0; i < kMarkerTypeCount; ++i) store.WriteString(MarkerTypeValueName(i), markerTypeNames[i]);
}

std::string AppSettings::MarkerTypeName(int index) const {
  if (index >= 0 && index < kMarkerTypeCount && !markerTypeNames[index].empty()) return markerTypeNames[index];
  return "Type " + std::to_string(index + 1);
}

double AppSettings::MetresToDisplay(double metres) const {
  return Units == 1 ? metres / kMetresPerFoot : metres;
}

double AppSettings::DisplayToMetres(double display) const {
  return Units == 1 ? display * kMetresPerFoot : display;
}

std::string AppSettings::UnitLabel() const { return Units == 1 ? "ft" : "m"; }

}  // namespace tarvix
