#include "CliSession.h"
#include "Commands.h"
#include "ModelJson.h"
#include "ProfileLoader.h"

namespace tarvix::cli {

int RunInfo(const std::vector<std::string>& words) {
  std::string error;
  auto line = CommandLine::Parse(words, {"positions"}, {}, error);
  if (!line) return UsageError(error);
  if (line->positional.size() != 1) return UsageError("info takes one PATH");
  int positionStep = 0;
  if (line->options.count("positions")) {
    const auto step = line->IntOption("positions", error);
    if (!step) return UsageError(error);
    if (*step <= 0) return UsageError("--positions takes a step of at least 1");
    positionStep = *step;
  }
  CliSession session;
  if (!session.Start(*line, error)) return UsageError(error);

  const std::string& path = line->positional[0];
  if (IsProjectPath(path)) {
    KTarvixProject project;
    const bool read = project.Read(path);
    PrintJson({{"project", ProjectJson(project, positionStep)}, {"messages", MessagesJson(session.ui().Messages())}});
    return read ? kOk : kFailed;
  }
  auto set = LoadProfile(ProfileBasePath(path));
  const bool loaded = !set->profiles.empty();
  PrintJson({{"profile", loaded ? PlacedProfileJson(*set->profiles[0], positionStep) : nlohmann::ordered_json(nullptr)},
             {"messages", MessagesJson(session.ui().Messages())}});
  return loaded ? kOk : kFailed;
}

}  // namespace tarvix::cli
