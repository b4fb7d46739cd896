#include "CliSession.h"
#include "Commands.h"
#include "ModelJson.h"
#include "ProfileLoader.h"

namespace tarvix::cli {

int RunInfo(const std::vector<std::string>& words) {
  std::string error;
  auto line = CommandLine::Parse(words, {}, {}, error);
  if (!line) return UsageError(error);
  if (line->positional.size() != 1) return UsageError("info takes one PATH");
  CliSession session;
  if (!session.Start(*line, error)) return UsageError(error);

  auto set = LoadProfile(ProfileBasePath(line->positional[0]));
  const bool loaded = !set->profiles.empty();
  PrintJson({{"profile", loaded ? ProfileJson(*set->profiles[0]) : nlohmann::ordered_json(nullptr)},
             {"messages", MessagesJson(session.ui().Messages())}});
  return loaded ? kOk : kFailed;
}

}  // namespace tarvix::cli
