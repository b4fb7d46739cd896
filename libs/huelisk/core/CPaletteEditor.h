#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/CColourRamp.h"
#include "core/CPalette.h"

namespace tarvix::huelisk {

// What the palette editor edits and the rules of its controls; the dialog only shows this.
// One stop is always selected, and the stop commands act on it.
class CPaletteEditor {
 public:
  // The palette is taken apart into a few stops that give it within one level per channel.
  // Until a stop is edited the entries stay exactly as given, so accepting the editor
  // untouched gives the same palette back.
  explicit CPaletteEditor(const CPalette& initial);

  static constexpr int kStopTolerance = 1;

  const CColourRamp& Ramp() const { return ramp_; }
  CColourRamp::Entries Entries() const { return given_ ? *given_ : ramp_.ToEntries(); }
  CPalette Result() const { return {Entries(), gain_}; }

  float Gain() const { return gain_; }
  void SetGain(float gain);

  std::size_t Selected() const { return selected_; }
  void Select(std::size_t index);

  // The preset that the current entries are exactly, or -1.
  int MatchingPreset() const;
  void ApplyPreset(std::size_t index);

  // A new stop halfway to the next stop (to the previous one from the last stop), or at the
  // given position, with the colour the ramp has there; it becomes the selected stop.
  void AddStop();
  void AddStopAt(double position);
  bool CanRemoveStop() const { return ramp_.Stops().size() > CColourRamp::kMinStops; }
  void RemoveStop();
  void MoveStop(double position);
  void SetStopColour(std::uint32_t rgb);

  // A file that cannot be read changes nothing; `error` says why.
  bool LoadFile(const std::string& path, std::string& error);
  bool SaveFile(const std::string& path, std::string& error) const;

 private:
  void Take(const CColourRamp::Entries& entries);
  void Replace(const CColourRamp& ramp);
  // Every stop edit comes through here.
  CColourRamp& Edit();

  CColourRamp ramp_;
  std::optional<CColourRamp::Entries> given_;
  float gain_;
  std::size_t selected_ = 0;
};

}  // namespace tarvix::huelisk
