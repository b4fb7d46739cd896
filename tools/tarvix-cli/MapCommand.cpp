// tarvix-cli map: the site map of a project drawn without windows, fitted as when it is first
// shown, by the map's own code onto an image.

#include "CliSession.h"
#include "Commands.h"
#include "PngRendering.h"
#include "document/CTarvixDoc.h"
#include "document/HeadlessDocumentHost.h"
#include "sitemap/CMapView.h"

namespace tarvix::cli {

namespace {

constexpr int kDefaultWidth = 1200;
constexpr int kDefaultHeight = 900;
constexpr int kLargestSide = 20000;

}  // namespace

int RunMap(const std::vector<std::string>& words) {
  std::string error;
  auto line = CommandLine::Parse(words, {"out", "width", "height"}, {"utm", "grid", "no-scales"}, error);
  if (!line) return UsageError(error);
  if (line->positional.size() != 1) return UsageError("map takes one PATH");
  if (!line->options.count("out")) return UsageError("map needs --out FILE.png");
  int width = kDefaultWidth;
  int height = kDefaultHeight;
  if (!line->IntOptionInRange("width", 1, kLargestSide, width, error) ||
      !line->IntOptionInRange("height", 1, kLargestSide, height, error))
    return UsageError(error);
  CliSession session;
  if (!session.Start(*line, error)) return UsageError(error);

  HeadlessDocumentHost host;
  CTarvixDoc document(host);
  if (!document.OnOpenDocument(line->positional[0])) {
    PrintMessagesToStderr(session.ui());
    return kFailed;
  }
  CMapView view(document, host.MarkerList());
  view.OnSize(width, height);
  view.OnInitialUpdate();
  view.showScales = !line->flags.count("no-scales");
  view.showGrid = line->flags.count("grid") != 0;
  view.utmDisplay = line->flags.count("utm") != 0;

  return RenderToPng(width, height, [&](Canvas& canvas) { view.OnDraw(canvas); }, session.ui(),
                     line->options.at("out"));
}

}  // namespace tarvix::cli
