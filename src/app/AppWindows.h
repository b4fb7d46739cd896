#pragma once
#include "document/DocumentWindows.h"

namespace tarvix {

// The main window as the application's flows see it.
class AppWindows : public DocumentWindows {
 public:
  // Creates the frames and views of a newly opened document and runs their initial update.
  virtual void OpenDocumentWindows(CTarvixDoc& document) = 0;
  // Closes every frame of the document before it is destroyed.
  virtual void CloseDocumentWindows(CTarvixDoc& document) = 0;
};

}  // namespace tarvix
