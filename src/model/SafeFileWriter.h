#pragma once
#include <cstdio>
#include <string>

namespace tarvix {

// Writes a file so that the old one survives any failure: the text goes to a temporary file in
// the same folder, which replaces the old file only when everything was written and flushed.
class SafeFileWriter {
 public:
  explicit SafeFileWriter(std::string path);
  ~SafeFileWriter();  // discards the temporary file when Commit was not reached
  SafeFileWriter(const SafeFileWriter&) = delete;
  SafeFileWriter& operator=(const SafeFileWriter&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  void Write(const std::string& text);
  // Writes text followed by the CR LF line end of our text files.
  void WriteLine(const std::string& text);
  // True when the new content is in place under the final name.
  bool Commit();

 private:
  void Discard();

  std::string path_;
  std::string temporaryPath_;
  std::FILE* file_ = nullptr;
  bool failed_ = false;
};

}  // namespace tarvix
