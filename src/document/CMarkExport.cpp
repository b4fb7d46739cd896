#include "document/CMarkExport.h"

#include "app/AppContext.h"
#include "profileview/MarkerTypeColour.h"

namespace tarvix {

std::vector<CMarkExport::Entry> CMarkExport::Entries() {
  std::vector<Entry> entries;
  const auto& names = App().settings.markerTypeNames;
  for (int k = 0; k < kMarkerTypeCount; ++k) {
    const auto& name = names[static_cast<std::size_t>(k)];
    entries.push_back({name.empty() ? "Type " + std::to_string(k + 1) : name.substr(0, kMaxLabel),
                       MarkerTypeColour(k)});
  }
  return entries;
}

}  // namespace tarvix
