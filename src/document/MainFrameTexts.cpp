#include "document/MainFrameTexts.h"

#include "app/TextHelpers.h"

namespace tarvix {

std::string MainFrameTitle(const std::string* activeDocumentPath) {
  std::string title = "BHG Tarvix";
  if (activeDocumentPath) title += " - " + FileNameOfPath(*activeDocumentPath) + " ";
  return title;
}

std::string DataWidthPaneText(bool is32BitData) { return is32BitData ? " (32 bits)" : " (16 bits)"; }

}  // namespace tarvix
