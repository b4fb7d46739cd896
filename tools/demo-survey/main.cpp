// Writes the demo survey into a folder: synthetic profiles with layers, point reflectors and markers.
#include <cstdio>
#include <filesystem>

#include "DemoSurvey.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tarvix-demo-survey FOLDER\n");
    return 2;
  }
  std::error_code error;
  std::filesystem::create_directories(argv[1], error);
  std::string folder = std::filesystem::absolute(argv[1]).string();
  if (folder.back() != '/') folder += '/';
  std::vector<std::string> messages;
  if (!tarvix::demo::WriteDemoSurveyOnItsOwn(folder, &messages)) {
    for (const auto& message : messages) std::fprintf(stderr, "%s\n", message.c_str());
    std::fprintf(stderr, "tarvix-demo-survey: cannot write the survey into %s\n", folder.c_str());
    return 1;
  }
  std::printf("%s\n", folder.c_str());
  return 0;
}
