#include "core/CPaletteEditor.h"

#include <algorithm>

#include "core/CPaletteFile.h"
#include "core/CPreset.h"

namespace tarvix::huelisk {

CPaletteEditor::CPaletteEditor(const CPalette& initial)
    : ramp_(std::vector<CColourStop>{}), gain_(CPalette::ClampGain(initial.gain)) {
  Take(initial.entries);
}

void CPaletteEditor::Take(const CColourRamp::Entries& entries) {
  CColourRamp::Entries given{};
  std::transform(entries.begin(), entries.end(), given.begin(),
                 [](std::uint32_t rgb) { return rgb & 0xFFFFFF; });
  Replace(CColourRamp::FromEntries(given, kStopTolerance));
  given_ = given;
}

CColourRamp& CPaletteEditor::Edit() {
  given_.reset();
  return ramp_;
}

void CPaletteEditor::SetGain(float gain) { gain_ = CPalette::ClampGain(gain); }

void CPaletteEditor::Select(std::size_t index) { selected_ = std::min(index, ramp_.Stops().size() - 1); }

int CPaletteEditor::MatchingPreset() const { return CPreset::Matching(Entries()); }

void CPaletteEditor::ApplyPreset(std::size_t index) {
  if (index < CPreset::All().size()) {
    Replace(CPreset::All()[index].Ramp());
  }
}

void CPaletteEditor::Replace(const CColourRamp& ramp) {
  Edit() = ramp;
  selected_ = 0;
}

void CPaletteEditor::AddStop() {
  const auto& stops = ramp_.Stops();
  const std::size_t other = selected_ + 1 < stops.size() ? selected_ + 1 : selected_ - 1;
  AddStopAt((stops[selected_].position + stops[other].position) / 2.0);
}

void CPaletteEditor::AddStopAt(double position) {
  selected_ = Edit().Add({position, ramp_.ColourAt(position)});
}

void CPaletteEditor::RemoveStop() {
  if (CanRemoveStop() && Edit().Remove(selected_)) {
    Select(selected_ > 0 ? selected_ - 1 : 0);
  }
}

void CPaletteEditor::MoveStop(double position) { selected_ = Edit().Move(selected_, position); }

void CPaletteEditor::SetStopColour(std::uint32_t rgb) { Edit().SetColour(selected_, rgb); }

bool CPaletteEditor::LoadFile(const std::string& path, std::string& error) {
  CPalette palette;
  if (!CPaletteFile::Read(path, palette, error)) {
    return false;
  }
  Take(palette.entries);
  gain_ = palette.gain;
  return true;
}

bool CPaletteEditor::SaveFile(const std::string& path, std::string& error) const {
  return CPaletteFile::Write(path, Result(), error);
}

}  // namespace tarvix::huelisk
