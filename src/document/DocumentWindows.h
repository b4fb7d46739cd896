#pragma once

namespace tarvix {

class CTarvixDoc;
class MapFrame;

// The main window's services the document uses.
class DocumentWindows {
 public:
  virtual ~DocumentWindows() = default;
  // Creates and shows the site map frame of the document; null when it cannot be created.
  virtual MapFrame* CreateMapFrame(CTarvixDoc& document) = 0;
  virtual void TileWindows() = 0;
  // The main window's title follows the document's path.
  virtual void RefreshTitle() = 0;
};

}  // namespace tarvix
