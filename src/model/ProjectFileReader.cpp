#include "model/ProjectFileReader.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace tarvix {

namespace {
// Longer names were once cut to 60 characters, which lost profiles with long names on reading.
constexpr std::size_t kNameLimit = 255;
bool IsSpace(int c) { return c != EOF && std::isspace(static_cast<unsigned char>(c)); }
bool IsDigit(int c) { return c != EOF && std::isdigit(static_cast<unsigned char>(c)); }
}  // namespace

ProjectFileReader::ProjectFileReader(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {}

ProjectFileReader::~ProjectFileReader() {
  if (file_) std::fclose(file_);
}

int ProjectFileReader::Peek() {
  const int c = std::getc(file_);
  if (c != EOF) std::ungetc(c, file_);
  return c;
}

int ProjectFileReader::Get() { return std::getc(file_); }

bool ProjectFileReader::AtEnd() { return Peek() == EOF; }

void ProjectFileReader::SkipKey(std::size_t keyLength) {
  for (std::size_t i = 0; i < keyLength; ++i) {
    const int c = Get();
    if (c == EOF || c == '\n') return;
  }
}

void ProjectFileReader::SkipWhiteSpace() {
  while (IsSpace(Peek())) Get();
}

// The characters a stream extraction would take for a number.
std::string ProjectFileReader::NumberText(bool allowFraction) {
  SkipWhiteSpace();
  std::string text;
  auto take = [&] { text.push_back(static_cast<char>(Get())); };
  if (Peek() == '+' || Peek() == '-') take();
  while (IsDigit(Peek())) take();
  if (allowFraction) {
    if (Peek() == '.') {
      take();
      while (IsDigit(Peek())) take();
    }
    if (Peek() == 'e' || Peek() == 'E') {
      take();
      if (Peek() == '+' || Peek() == '-') take();
      while (IsDigit(Peek())) take();
    }
  }
  return text;
}

std::optional<int> ProjectFileReader::KeyedInt(std::size_t keyLength) {
  SkipKey(keyLength);
  const std::string text = NumberText(false);
  SkipWhiteSpace();
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (end == text.c_str() || *end != '\0' || errno == ERANGE || value < INT_MIN || value > INT_MAX)
    return std::nullopt;
  return static_cast<int>(value);
}

std::optional<double> ProjectFileReader::KeyedDouble(std::size_t keyLength) {
  SkipKey(keyLength);
  const std::string text = NumberText(true);
  SkipWhiteSpace();
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || end == text.c_str() || *end != '\0') return std::nullopt;
  return value;
}

void ProjectFileReader::SkipLine() {
  int c = Get();
  while (c != EOF && c != '\n') c = Get();
  SkipWhiteSpace();
}

std::string ProjectFileReader::NameLine() {
  std::string name;
  int c = Get();
  while (c != EOF && c != '\n') {
    if (name.size() < kNameLimit) name.push_back(static_cast<char>(c));
    c = Get();
  }
  while (!name.empty() && IsSpace(static_cast<unsigned char>(name.back()))) name.pop_back();
  return name;
}

}  // namespace tarvix
