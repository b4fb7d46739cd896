#pragma once
#include <cstdint>
#include <string>

namespace tarvix {

// A read-only memory mapping of a data file with a lock shared by every process that opens the
// same file. Within one process the lock is counted, so the same file can be held twice and
// releasing one holder keeps the other's lock.
class CMemMapFile {
 public:
  CMemMapFile() = default;
  virtual ~CMemMapFile();
  CMemMapFile(const CMemMapFile&) = delete;
  CMemMapFile& operator=(const CMemMapFile&) = delete;

  int fileHandle = -1;
  int readOnly = 1;
  const std::uint8_t* view = nullptr;
  std::string mappingName;
  int locked = 0;
  std::uint32_t size = 0;

  // Maps an existing, non-empty file smaller than 4 GiB.
  bool Open(const std::string& path);
  // Waits up to timeoutMs for the lock; the view when it was obtained, null otherwise.
  const std::uint8_t* Lock(int timeoutMs);
  bool Unlock();
  void Close();

  // The name of the shared lock of a path: separators become "_", letters upper case.
  static std::string MappingNameOf(const std::string& path);
};

}  // namespace tarvix
