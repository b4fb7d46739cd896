#pragma once
#include <cstdio>
#include <optional>
#include <string>

namespace tarvix {

// Takes the values of a project file by position, as the project format is read: a keyed value
// skips as many characters as its key has (the key's text is never compared).
class ProjectFileReader {
 public:
  explicit ProjectFileReader(const std::string& path);
  ~ProjectFileReader();
  ProjectFileReader(const ProjectFileReader&) = delete;
  ProjectFileReader& operator=(const ProjectFileReader&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  bool AtEnd();

  // Skips the key (stopping early after a line end), reads a number, then skips white space
  // and line ends. Nothing when no number stands there.
  std::optional<int> KeyedInt(std::size_t keyLength);
  std::optional<double> KeyedDouble(std::size_t keyLength);
  // Skips the rest of the line, through its end, then white space.
  void SkipLine();
  // The rest of the current line: at most 255 characters are kept, trailing white space removed.
  std::string NameLine();

 private:
  int Peek();
  int Get();
  void SkipKey(std::size_t keyLength);
  void SkipWhiteSpace();
  std::string NumberText(bool allowFraction);

  std::FILE* file_;
};

}  // namespace tarvix
