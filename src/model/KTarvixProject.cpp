#include "model/KTarvixProject.h"

namespace tarvix {

void KTarvixProject::RemoveSet(int index) {
  if (index < 0 || index >= static_cast<int>(sets.size())) return;
  sets.erase(sets.begin() + index);
}

}  // namespace tarvix
