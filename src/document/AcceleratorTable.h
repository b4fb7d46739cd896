#pragma once
#include <array>

namespace tarvix {

// A key of the main window and the command it gives. Keys are written in the portable form
// "Ctrl+Shift+Key" ("P" alone is the letter without modifiers).
struct Accelerator {
  const char* keys;
  int command;
};

// The main window's only accelerator table. A key whose command has no handler in the current
// state does nothing.
extern const std::array<Accelerator, 19> kMainAccelerators;

}  // namespace tarvix
