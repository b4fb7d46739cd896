#include "gui/HueliskPaletteEditor.h"

#include <bit>

#include "app/AppSettings.h"
#include "huelisk.h"

namespace tarvix {

// The library edits the record's bytes: little-endian pixels followed by the gain.
static_assert(std::endian::native == std::endian::little);

void HueliskPaletteEditor::PalEdit(PaletteRecord& record, const std::string& startupDirectory) {
  ::PalEdit(reinterpret_cast<unsigned char*>(&record), startupDirectory.c_str());
}

}  // namespace tarvix
