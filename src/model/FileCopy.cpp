#include "model/FileCopy.h"

#include <cstdio>

#include "app/TextHelpers.h"
#include "model/SafeFileWriter.h"

namespace tarvix {

bool CopyFileInto(const std::string& sourcePath, const std::string& directory) {
  std::FILE* in = std::fopen(sourcePath.c_str(), "rb");
  if (!in) return false;
  SafeFileWriter out(directory + FileNameOfPath(sourcePath));
  bool ok = out.IsOpen();
  char buffer[1 << 16];
  while (ok) {
    const std::size_t n = std::fread(buffer, 1, sizeof buffer, in);
    if (n == 0) break;
    out.Write(std::string(buffer, n));
  }
  ok = ok && !std::ferror(in);
  std::fclose(in);
  return ok && out.Commit();
}

std::string DirectoryOfPath(const std::string& path) {
  return path.substr(0, path.size() - FileNameOfPath(path).size());
}

std::string WithoutExtension(const std::string& path) {
  const std::string name = FileNameOfPath(path);
  const auto dot = name.find_last_of('.');
  if (dot == std::string::npos) return path;
  return path.substr(0, path.size() - (name.size() - dot));
}

}  // namespace tarvix
