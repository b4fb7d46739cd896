#include "model/TextLines.h"

#include <cstdarg>
#include <sstream>
#include <vector>

namespace tarvix {

TextLineReader::TextLineReader(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {}

TextLineReader::~TextLineReader() {
  if (file_) std::fclose(file_);
}

std::optional<std::string> TextLineReader::ReadLine(std::size_t maxLength) {
  if (!file_) return std::nullopt;
  std::string line;
  int c = std::getc(file_);
  if (c == EOF) return std::nullopt;
  while (c != EOF && c != '\n') {
    if (line.size() < maxLength) line.push_back(static_cast<char>(c));
    c = std::getc(file_);
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

namespace {
template <typename T>
std::optional<T> Extract(const std::string& text) {
  std::istringstream in(text);
  T value{};
  if (in >> value) return value;
  return std::nullopt;
}
}  // namespace

std::optional<int> ExtractInt(const std::string& text) { return Extract<int>(text); }
std::optional<double> ExtractDouble(const std::string& text) { return Extract<double>(text); }

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::vector<char> buffer(static_cast<std::size_t>(length > 0 ? length : 0) + 1);
  std::vsnprintf(buffer.data(), buffer.size(), format, args);
  va_end(args);
  return std::string(buffer.data(), buffer.size() - 1);
}

}  // namespace tarvix
