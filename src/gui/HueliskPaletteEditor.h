#pragma once
#include "app/PaletteEditor.h"

namespace tarvix {

// The palette editor of the Huelisk library.
class HueliskPaletteEditor : public PaletteEditor {
 public:
  void PalEdit(PaletteRecord& record, const std::string& startupDirectory) override;
};

}  // namespace tarvix
