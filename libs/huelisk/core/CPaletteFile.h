#pragma once
#include <string>
#include <string_view>

#include "core/CPalette.h"

namespace tarvix::huelisk {

// The palette file: a version line, the gain and the 64 colours as hexadecimal RGB, one item a
// line (see the library's README). A file that is damaged in any way is refused whole.
class CPaletteFile {
 public:
  static constexpr int kVersion = 1;
  static constexpr std::size_t kMaxBytes = 16 * 1024;
  static constexpr const char* kExtension = ".hpal";

  static std::string Format(const CPalette& palette);
  // On failure `palette` is untouched and `error` says what is wrong, with the line number.
  static bool Parse(std::string_view text, CPalette& palette, std::string& error);

  // Paths are UTF-8. Writing goes through a temporary file beside the target, so a failed
  // write never leaves a half-written palette in place of a good one.
  static bool Read(const std::string& path, CPalette& palette, std::string& error);
  static bool Write(const std::string& path, const CPalette& palette, std::string& error);
};

}  // namespace tarvix::huelisk
