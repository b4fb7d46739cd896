#pragma once
#include <string>

namespace tarvix {

// Copies a file into `directory` (ending in a separator) under its own name, replacing a file
// there. The copy goes through a temporary file, so a failed copy leaves the old one in place.
bool CopyFileInto(const std::string& sourcePath, const std::string& directory);

// The folder part of a path, ending in its separator ("" when there is none).
std::string DirectoryOfPath(const std::string& path);
// The path without its extension (the last dot after the last separator).
std::string WithoutExtension(const std::string& path);

}  // namespace tarvix
