#include "document/CMrkDlg.h"

#include "app/AppContext.h"
#include "profileview/MarkerTypeColour.h"

namespace tarvix {

std::vector<std::string> CMrkDlg::TypeEntries() {
  std::vector<std::string> entries;
  const auto& names = App().settings.markerTypeNames;
  for (int k = 0; k < kMarkerTypeCount; ++k) {
    const auto& name = names[static_cast<std::size_t>(k)];
    entries.push_back(name.empty() ? "Type " + std::to_string(k + 1) : name);
  }
  return entries;
}

Colour CMrkDlg::SwatchColour() const { return MarkerTypeColour(type); }

bool CMrkDlg::OnOK() const {
  const char* problem = nullptr;
  if (trace < 0 || sample < 0)
    problem = "Trace or sample number is negative!";
  else if (trace >= traceCount || sample >= sampleCount)
    problem = "Trace or sample number is greater than maximum value!";
  if (!problem) return true;
  App().ui.ShowMessage({problem, "ERROR", MessageIcon::Error, MessageButtons::Ok});
  return false;
}

}  // namespace tarvix
