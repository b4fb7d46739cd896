#pragma once
#include <string>

namespace tarvix {

struct PaletteRecord;

// The modal palette editor: edits the record in place; files it offers start in the folder.
class PaletteEditor {
 public:
  virtual ~PaletteEditor() = default;
  virtual void PalEdit(PaletteRecord& record, const std::string& startupDirectory) = 0;
};

}  // namespace tarvix
