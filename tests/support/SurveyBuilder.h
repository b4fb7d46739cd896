#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tarvix::testing {

// Writes the files of small test surveys into a folder: headers, 16- and 32-bit data, markers.
// Profiles are named by their base path without folder; every writer returns the base path.
class SurveyBuilder {
 public:
  explicit SurveyBuilder(std::string folder) : folder_(std::move(folder)) {}

  using SampleFunction = std::function<std::int32_t(int trace, int sample)>;
  // The default content: sample s of trace t is t × 100 + s, easy to recognise in a buffer.
  static std::int32_t Pattern(int trace, int sample) { return trace * 100 + sample; }

  std::string BasePath(const std::string& name) const { return folder_ + "/" + name; }

  // A header of these lines (CR LF ended) beside `name`.
  std::string Header(const std::string& name, const std::vector<std::string>& lines) const;
  std::string Data16(const std::string& name, int samples, int traces, SampleFunction f = Pattern) const;
  std::string Data32(const std::string& name, int samples, int traces, SampleFunction f = Pattern) const;
  std::string RawData(const std::string& name, const std::string& extension, const std::string& bytes) const;
  std::string Markers(const std::string& name, const std::string& text) const;
  // A coordinate file (".cor") of this text beside `name`.
  std::string Coordinates(const std::string& name, const std::string& text) const;

  // A complete profile: a header with SAMPLES and LAST TRACE, and its data file.
  std::string Profile(const std::string& name, int samples, int traces, bool wide = false) const;

 private:
  std::string folder_;
};

}  // namespace tarvix::testing
