#pragma once

namespace tarvix {

// The document's dialogs the map opens. The document provides them once they exist; until then
// the map says that they are not available.
class MapEditing {
 public:
  virtual ~MapEditing() = default;
  // "Edit Marker" on the selected marker.
  virtual void EditSelectedMarker() = 0;
  // The current profile's "Advanced properties"; 1 when the user confirmed.
  virtual int EditProfileProperties() = 0;
};

}  // namespace tarvix
