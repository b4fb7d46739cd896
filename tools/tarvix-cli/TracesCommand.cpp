#include <iostream>
#include <span>
#include <vector>

#include "CliSession.h"
#include "Commands.h"
#include "ModelJson.h"
#include "ProfileLoader.h"
#include "filters/ScopedFilterList.h"
#include "profileview/HeaderMigration.h"

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

void ReadInto(const KRadarProfile& profile, std::int16_t* samples, int first, int count, bool filtered) {
  profile.ReadTraces16(samples, first, count, filtered);
}

void ReadInto(const KRadarProfile& profile, std::int32_t* samples, int first, int count, bool filtered) {
  profile.ReadTraces32(samples, first, count, filtered);
}

// Reads the traces and, when asked, migrates them as one block, as the profile view migrates its
// trace window.
template <typename Sample>
void ReadAndPrint(const KRadarProfile& profile, int first, int count, bool filtered, bool migrate) {
  const int perTrace = std::max(profile.header.samples, 0);
  std::vector<Sample> samples(std::size_t(count) * std::size_t(perTrace));
  ReadInto(profile, samples.data(), first, count, filtered);
  if (migrate)
    Migration().Apply(std::span<Sample>(samples), count,
                      MigrationParametersOf(profile.header, App().settings.Velocity, App().settings.ZeroLevel));
  PrintTraces(samples, count, perTrace);
}

}  // namespace

int RunTraces(const std::vector<std::string>& words) {
  std::string error;
  auto line = CommandLine::Parse(words, {"first", "count", "filters"}, {"migrate"}, error);
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
  const bool filtered = line->options.count("filters") != 0;
  if (filtered && FilterList().Load(line->options.at("filters")) == 0) {
    std::cerr << "tarvix-cli: cannot read the filters file " << line->options.at("filters") << "\n";
    return kFailed;
  }
  const KRadarProfile& profile = *set->profiles[0];
  const bool migrate = line->flags.count("migrate") != 0;
  if (profile.Is32Bit())
    ReadAndPrint<std::int32_t>(profile, *first, *count, filtered, migrate);
  else
    ReadAndPrint<std::int16_t>(profile, *first, *count, filtered, migrate);
  return kOk;
}

}  // namespace tarvix::cli
