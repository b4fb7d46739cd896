#pragma once
#include "TraceBlock.h"

namespace tarvix::sievex {

// Replaces each trace by its instantaneous amplitude, the magnitude of the analytic signal: the
// trace plus i times its Hilbert transform. Reflections become single positive lobes.
void Envelope(TraceBlock& block);

}  // namespace tarvix::sievex
