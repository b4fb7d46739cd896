#include <iostream>
#include <vector>

#include "CliSession.h"
#include "Commands.h"
#include "ModelJson.h"
#include "ProfileLoader.h"

namespace tarvix::cli {

namespace {

constexpr int kMaxTraces = 1 << 20;

template <typename Sample>
void PrintTraces(const std::vector<Sample>& samples, int count, int perTrace) {
  std::string text;
  for (int t = 0; t < count; ++t) {
    for (int s = 0; s < perTrace; ++s) {
      if (s) text += ',';
      text += std::to_string(samples[std::size_t(t) * std::size_t(perTrace) + std::size_t(s)]);
    }
    text += '\n';
  }
  std::cout << text;
}

}  // namespace

int RunTraces(const std::vector<std::string>& words) {
  std::string error;
  auto line = CommandLine::Parse(words, {"first", "count"}, {}, error);
  if (!line) return UsageError(error);
  if (line->positional.size() != 1) return UsageError("traces takes one PATH");
  const auto first = line->IntOption("first", error);
  if (!first) return UsageError(error);
  const auto count = line->IntOption("count", error);
  if (!count) return UsageError(error);
  if (*count < 0 || *count > kMaxTraces) return UsageError("--count must lie in 0.." + std::to_string(kMaxTraces));
  CliSession session;
  if (!session.Start(*line, error)) return UsageError(error);

  auto set = LoadProfile(ProfileBasePath(line->positional[0]));
  if (set->profiles.empty()) {
    PrintJson({{"messages", MessagesJson(session.ui().Messages())}});
    return kFailed;
  }
  const KRadarProfile& profile = *set->profiles[0];
  const int perTrace = std::max(profile.header.samples, 0);
  const std::size_t size = std::size_t(*count) * std::size_t(perTrace);
  if (profile.Is32Bit()) {
    std::vector<std::int32_t> samples(size);
    profile.ReadTraces32(samples.data(), *first, *count, false);
    PrintTraces(samples, *count, perTrace);
  } else {
    std::vector<std::int16_t> samples(size);
    profile.ReadTraces16(samples.data(), *first, *count, false);
    PrintTraces(samples, *count, perTrace);
  }
  return kOk;
}

}  // namespace tarvix::cli
