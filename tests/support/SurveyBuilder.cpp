#include "support/SurveyBuilder.h"

#include <cstring>

#include "support/TempDir.h"

namespace tarvix::testing {

namespace {
template <typename Sample>
std::string Samples(int samples, int traces, const SurveyBuilder::SampleFunction& f) {
  std::string bytes;
  bytes.reserve(std::size_t(samples) * std::size_t(traces) * sizeof(Sample));
  for (int t = 0; t < traces; ++t)
    for (int s = 0; s < samples; ++s) {
      const auto value = static_cast<Sample>(f(t, s));
      char raw[sizeof(Sample)];
      std::memcpy(raw, &value, sizeof(Sample));  // the test machines are little-endian
      bytes.append(raw, sizeof(Sample));
    }
  return bytes;
}
}  // namespace

std::string SurveyBuilder::Header(const std::string& name, const std::vector<std::string>& lines) const {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  WriteFileBytes(BasePath(name) + ".rad", text);
  return BasePath(name);
}

std::string SurveyBuilder::Data16(const std::string& name, int samples, int traces, SampleFunction f) const {
  return RawData(name, ".rd3", Samples<std::int16_t>(samples, traces, f));
}

std::string SurveyBuilder::Data32(const std::string& name, int samples, int traces, SampleFunction f) const {
  return RawData(name, ".rd7", Samples<std::int32_t>(samples, traces, f));
}

std::string SurveyBuilder::RawData(const std::string& name, const std::string& extension,
                                   const std::string& bytes) const {
  WriteFileBytes(BasePath(name) + extension, bytes);
  return BasePath(name);
}

std::string SurveyBuilder::Markers(const std::string& name, const std::string& text) const {
  WriteFileBytes(BasePath(name) + ".mrk", text);
  return BasePath(name);
}

std::string SurveyBuilder::Coordinates(const std::string& name, const std::string& text) const {
  WriteFileBytes(BasePath(name) + ".cor", text);
  return BasePath(name);
}

std::string SurveyBuilder::Profile(const std::string& name, int samples, int traces, bool wide) const {
  Header(name, {"SAMPLES:" + std::to_string(samples), "LAST TRACE:" + std::to_string(traces),
                "FREQUENCY STEPS:1", "SYSTEM CALIBRATION:0.0001", "DISTANCE FLAG:1", "DISTANCE INTERVAL:0.05",
                "ANTENNAS:500 MHz shielded"});
  return wide ? Data32(name, samples, traces) : Data16(name, samples, traces);
}

}  // namespace tarvix::testing
