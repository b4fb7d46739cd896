#include "app/CMyPropertyPage3.h"

#include "profileview/MarkerTypeColour.h"

namespace tarvix {

Colour CMyPropertyPage3::SwatchColour(int index) { return MarkerTypeColour(index); }

}  // namespace tarvix
