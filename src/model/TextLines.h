#pragma once
#include <cstdio>
#include <optional>
#include <string>

namespace tarvix {

// Reads a text file line by line, accepting CR LF and LF line ends. A line longer than the
// limit yields its first `maxLength` characters and the rest of it is skipped, so no length
// of line can stall a reader.
class TextLineReader {
 public:
  explicit TextLineReader(const std::string& path);
  ~TextLineReader();
  TextLineReader(const TextLineReader&) = delete;
  TextLineReader& operator=(const TextLineReader&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  std::optional<std::string> ReadLine(std::size_t maxLength);

 private:
  std::FILE* file_;
};

// Parses a number the way stream extraction does: leading white space skipped, parsing stops at
// the first character that cannot continue the number. Nothing is returned when no number starts
// the text or it does not fit the type.
std::optional<int> ExtractInt(const std::string& text);
std::optional<double> ExtractDouble(const std::string& text);

// printf into a std::string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace tarvix
