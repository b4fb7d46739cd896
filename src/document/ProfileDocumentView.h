#pragma once
#include "document/DocumentView.h"

namespace tarvix {

// A radargram view of the document.
class ProfileDocumentView : public DocumentView {
 public:
  // Reads the traces of its window again; false when the shown profiles differ in sample count.
  virtual bool ReloadTraceWindow() = 0;
  virtual void SetupScrollBars() = 0;
  // Switches reading through the filter list on or off.
  virtual void ToggleFilters() = 0;
};

}  // namespace tarvix
