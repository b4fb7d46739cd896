#include "EditorEntry.h"

namespace tarvix::sievex {

bool RunChainEditor(FilterChain&, EditorPreview, void*) { return false; }

}  // namespace tarvix::sievex
