#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "FilterChain.h"

namespace tarvix::sievex {

// The filter settings file: a first line "SIEVEX32 FILTERS 1", then one line per filter, its name,
// "on" or "off" and "key=value" items. Blank lines and lines starting with '#' are skipped.

// The chain the text describes; nothing when the text is damaged, of another version, or names a
// filter, parameter or value the library does not know.
std::optional<FilterChain> ParseChain(std::string_view text);
// The text of the chain, CR LF line ends.
std::string FormatChain(const FilterChain& chain);

std::optional<FilterChain> LoadChainFile(const std::string& path);
// Writes beside the file first and renames, so a failed write leaves the old file whole.
bool SaveChainFile(const std::string& path, const FilterChain& chain);

}  // namespace tarvix::sievex
