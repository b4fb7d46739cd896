#pragma once
#include <filesystem>

namespace tarvix::testing {

// Puts the process's current directory back when the test ends, as flows may change it.
class ScopedCurrentDirectory {
 public:
  ScopedCurrentDirectory() : saved_(std::filesystem::current_path()) {}
  ~ScopedCurrentDirectory() {
    std::error_code error;
    std::filesystem::current_path(saved_, error);
  }
  ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
  ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

 private:
  std::filesystem::path saved_;
};

}  // namespace tarvix::testing
