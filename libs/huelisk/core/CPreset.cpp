#include "core/CPreset.h"

namespace tarvix::huelisk {

namespace {

// Viridis and cividis are sampled from their published 256-entry tables at about every
// 32nd entry (table entry i sits at i / 255), so that they stay editable as a few stops.
std::vector<CPreset> MakePresets() {
  return {
      // Ends at 252 so that the grey preset is exactly the program's first-run ramp.
      {"Grey", {{0.0, 0x000000}, {1.0, 0xFCFCFC}}},
      {"Inverted grey", {{0.0, 0xFCFCFC}, {1.0, 0x000000}}},
      {"Blue-white-red", {{0.0, 0x0000FF}, {0.5, 0xFFFFFF}, {1.0, 0xFF0000}}},
      {"Viridis",
       {{0.0 / 255.0, 0x440154},
        {32.0 / 255.0, 0x472D7B},
        {64.0 / 255.0, 0x3B528B},
        {96.0 / 255.0, 0x2C728E},
        {128.0 / 255.0, 0x21918C},
        {159.0 / 255.0, 0x27AD81},
        {191.0 / 255.0, 0x5CC863},
        {223.0 / 255.0, 0xAADC32},
        {255.0 / 255.0, 0xFDE725}}},
      // Its red channel stays at zero up to entry 22 of the table: one more point keeps that.
      {"Cividis",
       {{0.0 / 255.0, 0x00224E},
        {22.0 / 255.0, 0x003171},
        {32.0 / 255.0, 0x1A386F},
        {64.0 / 255.0, 0x434E6C},
        {96.0 / 255.0, 0x61656F},
        {128.0 / 255.0, 0x7D7C78},
        {159.0 / 255.0, 0x9A9376},
        {191.0 / 255.0, 0xBBAD6D},
        {223.0 / 255.0, 0xDDC858},
        {255.0 / 255.0, 0xFEE838}}},
      // Black-red-yellow-white, each channel rising in turn over its own stretch.
      {"Hot", {{0.0, 0x0B0000}, {0.365079, 0xFF0000}, {0.746032, 0xFFFF00}, {1.0, 0xFFFFFF}}},
  };
}

}  // namespace

const std::vector<CPreset>& CPreset::All() {
  static const std::vector<CPreset> presets = MakePresets();
  return presets;
}

int CPreset::Matching(const CColourRamp::Entries& entries) {
  const std::vector<CPreset>& presets = All();
  for (std::size_t i = 0; i < presets.size(); ++i) {
    if (presets[i].Ramp().ToEntries() == entries) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

}  // namespace tarvix::huelisk
