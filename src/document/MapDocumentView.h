#pragma once
#include "document/DocumentView.h"

namespace tarvix {

// A site map view of the document; its initial update fits the map to the project.
class MapDocumentView : public DocumentView {};

}  // namespace tarvix
