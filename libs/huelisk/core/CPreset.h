#pragma once
#include <string>
#include <vector>

#include "core/CColourRamp.h"

namespace tarvix::huelisk {

// A named colour map offered by the editor, given by a few colour stops.
struct CPreset {
  std::string name;
  std::vector<CColourStop> stops;

  CColourRamp Ramp() const { return CColourRamp(stops); }

  // Grey, inverted grey, blue-white-red, viridis, cividis and hot, in the order shown.
  static const std::vector<CPreset>& All();
  // The index of the first preset that gives exactly these entries, or -1.
  static int Matching(const CColourRamp::Entries& entries);
};

}  // namespace tarvix::huelisk
