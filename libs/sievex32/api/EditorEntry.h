#pragma once
#include "ChainEditor.h"
#include "FilterChain.h"

namespace tarvix::sievex {

// Runs the modal chain editor over the preview. On OK with a changed chain, stores the new chain
// and returns true; otherwise leaves the chain alone and returns false. Builds without the editor,
// and hosts without a QApplication, always get false.
bool RunChainEditor(FilterChain& chain, EditorPreview preview, void* parentWindow);

}  // namespace tarvix::sievex
