#include "model/CMemMapFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

namespace tarvix {

namespace {

// The cross-process lock is an flock on a lock file named after the mapping. flock conflicts
// between two opens even inside one process, so each process opens a name once and counts its
// holders here; the file is unlocked when the last holder lets go.
struct ProcessLock {
  int fd = -1;
  int holders = 0;
};

std::mutex& LockTableMutex() {
  static std::mutex mutex;
  return mutex;
}

std::map<std::string, ProcessLock>& LockTable() {
  static std::map<std::string, ProcessLock> table;
  return table;
}

std::string LockFilePath(const std::string& lockName) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  std::filesystem::path folder = (runtime && *runtime) ? std::filesystem::path(runtime)
                                                       : std::filesystem::temp_directory_path();
  folder /= "tarvix-locks-" + std::to_string(::getuid());
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  // Long paths would exceed the file-name limit: keep a readable tail and a hash of the whole.
  std::string name = lockName;
  if (name.size() > 180) name = std::to_string(std::hash<std::string>{}(name)) + name.substr(name.size() - 160);
  return (folder / name).string();
}

bool AcquireProcessLock(const std::string& lockName, int timeoutMs) {
  std::lock_guard<std::mutex> guard(LockTableMutex());
  auto& entry = LockTable()[lockName];
  if (entry.holders > 0) {
    ++entry.holders;
    return true;
  }
  const int fd = ::open(LockFilePath(lockName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) {
    LockTable().erase(lockName);
    return false;
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (std::chrono::steady_clock::now() >= deadline) {
      ::close(fd);
      LockTable().erase(lockName);
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  entry.fd = fd;
  entry.holders = 1;
  return true;
}

void ReleaseProcessLock(const std::string& lockName) {
  std::lock_guard<std::mutex> guard(LockTableMutex());
  auto it = LockTable().find(lockName);
  if (it == LockTable().end()) return;
  if (--it->second.holders == 0) {
    ::flock(it->second.fd, LOCK_UN);
    ::close(it->second.fd);
    LockTable().erase(it);
  }
}

constexpr std::uint64_t kSizeLimit = std::uint64_t{1} << 32;

}  // namespace

CMemMapFile::~CMemMapFile() { Close(); }

std::string CMemMapFile::MappingNameOf(const std::string& path) {
  std::error_code error;
  auto absolute = std::filesystem::absolute(path, error);
  std::string name = error ? path : absolute.lexically_normal().string();
  for (char& c : name) {
    if (c == '/' || c == '\\')
      c = '_';
    else
      c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return name;
}

bool CMemMapFile::Open(const std::string& path) {
  Close();
  fileHandle = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fileHandle < 0) return false;
  struct stat info {};
  if (::fstat(fileHandle, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0 ||
      static_cast<std::uint64_t>(info.st_size) >= kSizeLimit) {
    Close();
    return false;
  }
  size = static_cast<std::uint32_t>(info.st_size);
  mappingName = MappingNameOf(path);
  void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_SHARED, fileHandle, 0);
  if (mapped == MAP_FAILED) {
    Close();
    return false;
  }
  view = static_cast<const std::uint8_t*>(mapped);
  return true;
}

const std::uint8_t* CMemMapFile::Lock(int timeoutMs) {
  if (!view) return nullptr;
  if (locked) return view;
  if (!AcquireProcessLock(mappingName + "MUTEX", timeoutMs)) return nullptr;
  locked = 1;
  return view;
}

bool CMemMapFile::Unlock() {
  if (!locked) return false;
  ReleaseProcessLock(mappingName + "MUTEX");
  locked = 0;
  return true;
}

void CMemMapFile::Close() {
  Unlock();
  if (view) ::munmap(const_cast<std::uint8_t*>(view), size);
  view = nullptr;
  if (fileHandle >= 0) ::close(fileHandle);
  fileHandle = -1;
  readOnly = 1;
  mappingName.clear();
  size = 0;
}

}  // namespace tarvix
