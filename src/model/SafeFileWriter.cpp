#include "model/SafeFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace tarvix {

SafeFileWriter::SafeFileWriter(std::string path) : path_(std::move(path)) {
  std::vector<char> name(path_.begin(), path_.end());
  const std::string suffix = ".tmpXXXXXX";
  name.insert(name.end(), suffix.begin(), suffix.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return;
  temporaryPath_ = name.data();
  // Keep the permissions of the file being replaced; a new file gets the usual ones.
  struct stat old {};
  if (::stat(path_.c_str(), &old) == 0) {
    ::fchmod(fd, old.st_mode & 07777);
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
  }
  file_ = ::fdopen(fd, "wb");
  if (!file_) {
    ::close(fd);
    Discard();
  }
}

SafeFileWriter::~SafeFileWriter() {
  if (file_) {
    std::fclose(file_);
    file_ = nullptr;
  }
  Discard();
}

void SafeFileWriter::Write(const std::string& text) {
  if (!file_ || failed_) return;
  if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) failed_ = true;
}

void SafeFileWriter::WriteLine(const std::string& text) {
  Write(text);
  Write("\r\n");
}

bool SafeFileWriter::Commit() {
  if (!file_) return false;
  bool ok = !failed_ && std::fflush(file_) == 0 && ::fsync(::fileno(file_)) == 0;
  ok = (std::fclose(file_) == 0) && ok;
  file_ = nullptr;
  if (ok && std::rename(temporaryPath_.c_str(), path_.c_str()) == 0) {
    temporaryPath_.clear();
    return true;
  }
  Discard();
  return false;
}

void SafeFileWriter::Discard() {
  if (!temporaryPath_.empty()) ::unlink(temporaryPath_.c_str());
  temporaryPath_.clear();
}

}  // namespace tarvix
