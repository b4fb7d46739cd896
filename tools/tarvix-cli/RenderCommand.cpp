// tarvix-cli render: the profile view of a project or of one profile, painted without windows by
// the view's own code onto an image of the window's size.
#include <filesystem>
#include <iostream>

#include "CliSession.h"
#include "Commands.h"
#include "PngRendering.h"
#include "document/CTarvixDoc.h"
#include "document/HeadlessDocumentHost.h"
#include "filters/ScopedFilterList.h"
#include "profileview/CTarvixView.h"

namespace tarvix::cli {

namespace {

constexpr int kDefaultWidth = 1600;
constexpr int kDefaultHeight = 1000;
constexpr int kLargestSide = 20000;

// One profile as a project of its own: a GPS project when a coordinate file lies beside it,
// otherwise a baseline project drawn forward.
bool OpenProfile(CTarvixDoc& document, const std::string& basePath) {
  auto set = std::make_unique<KRadarProfileSet>();
  std::error_code error;
  const bool gps = std::filesystem::exists(basePath + ".cor", error);
  const bool added = gps ? set->AddGPSProfile(basePath) == 0 : set->AddBaseLineProfile(basePath, {}, {}, 0, 270.0, 0);
  if (!added) return false;
  document.project.version = gps ? 2 : 1;
  document.project.basePath = basePath;
  document.project.sets.push_back(std::move(set));
  return document.ComputeAlignment(0);
}

}  // namespace

int RunRender(const std::vector<std::string>& words) {
  std::string error;
  auto line = CommandLine::Parse(
      words, {"out", "width", "height", "set", "first-profile", "first-column", "first-sample", "filters"},
      {"migrate"}, error);
  if (!line) return UsageError(error);
  if (line->positional.size() != 1) return UsageError("render takes one PATH");
  if (!line->options.count("out")) return UsageError("render needs --out FILE.png");
  int width = kDefaultWidth;
  int height = kDefaultHeight;
  int firstProfile = 0;
  int firstColumn = 0;
  int firstSample = 0;
  constexpr int kAny = 1 << 30;
  if (!line->IntOptionInRange("width", 1, kLargestSide, width, error) ||
      !line->IntOptionInRange("height", 1, kLargestSide, height, error) ||
      !line->IntOptionInRange("first-profile", 0, kAny, firstProfile, error) ||
      !line->IntOptionInRange("first-column", -kAny, kAny, firstColumn, error) ||
      !line->IntOptionInRange("first-sample", 0, kAny, firstSample, error))
    return UsageError(error);
  CliSession session;
  if (!session.Start(*line, error)) return UsageError(error);

  HeadlessDocumentHost host;
  CTarvixDoc document(host);
  const std::string& path = line->positional[0];
  const bool opened = IsProjectPath(path) ? document.OnOpenDocument(path) : OpenProfile(document, ProfileBasePath(path));
  if (!opened) {
    PrintMessagesToStderr(session.ui());
    return kFailed;
  }
  CTarvixView view(document, host.MarkerList());
  // Without a filters file nothing is filtered, whatever filter settings the folder holds.
  view.filtersEnabled = line->options.count("filters") != 0;
  if (view.filtersEnabled && FilterList().Load(line->options.at("filters")) == 0) {
    std::cerr << "tarvix-cli: cannot read the filters file " << line->options.at("filters") << "\n";
    return kFailed;
  }
  auto& state = document.state;
  state.currentSet = line->setIndex.value_or(0);
  if (!state.CurrentSet(document.project)) {
    std::cerr << "tarvix-cli: the project has no profile set " << state.currentSet << "\n";
    return kFailed;
  }
  state.firstProfile = firstProfile;
  state.firstColumn = firstColumn;
  state.firstSample = firstSample;
  state.migrationOn = line->flags.count("migrate") != 0;
  view.OnSize(width, height);
  view.OnInitialUpdate();

  return RenderToPng(width, height, [&](Canvas& canvas) { view.OnDraw(canvas); }, session.ui(),
                     line->options.at("out"));
}

}  // namespace tarvix::cli
