#pragma once
#include <functional>

namespace tarvix::testing {

// Runs `write` while files cannot grow past `maxBytes` bytes, as on a full disk.
void WithFullDisk(long maxBytes, const std::function<void()>& write);

// Runs `write` in a child process without the right to write into read-only folders (even when
// the tests run as root); returns what `write` returned.
bool InReadOnlyProcess(const std::function<bool()>& write);

}  // namespace tarvix::testing
