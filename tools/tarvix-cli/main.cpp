// tarvix-cli: Tarvix's core without windows, for scripts, reports and checks.
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "Commands.h"

namespace tarvix::cli {

namespace {

const char* kUsageText =
    "usage: tarvix-cli COMMAND ...\n"
    "  info PATH [--positions N] [--set NAME=VALUE]...\n"
    "      PATH is a .tvx project or a profile (its base path or its .rad, .rd3 or .rd7 file);\n"
    "      prints it as JSON, with the positions of every N-th trace when asked\n"
    "  traces PATH --first F --count C [--filters FILE] [--migrate] [--set NAME=VALUE]...\n"
    "      prints traces F .. F+C-1, one a line, samples separated by commas (zeros outside the file);\n"
    "      --filters applies the filter chain of FILE, --migrate migrates the traces read as one block\n"
    "  render PATH --out FILE.png [--width W] [--height H] [--set N] [--first-profile K]\n"
    "         [--first-column C] [--first-sample S] [--filters FILE] [--migrate] [--set NAME=VALUE]...\n"
    "      paints the profile view of a .tvx project (profile set N, default 0) or of one profile\n"
    "      into a PNG of the window's size (default 1600 x 1000); filtered only with --filters\n"
    "  utm LAT LON [--regular]\n"
    "      WGS-84 latitude/longitude to UTM zone, northing and easting (--regular: no exception zones)\n"
    "  latlon ZONE NORTHING EASTING\n"
    "      WGS-84 UTM to latitude and longitude\n"
    "  map PATH --out FILE.png [--width W] [--height H] [--utm] [--grid] [--no-scales] [--set NAME=VALUE]...\n"
    "      draws the site map of a .tvx project, fitted as when first shown (default 1200 x 900)\n"
    "--set overrides one of your settings for this run only (for example --set ProfSize=1).\n";

}  // namespace

int UsageError(const std::string& error) {
  if (!error.empty()) std::cerr << "tarvix-cli: " << error << "\n";
  std::cerr << kUsageText;
  return kUsage;
}

}  // namespace tarvix::cli

int main(int argc, char** argv) {
  using namespace tarvix::cli;
  const std::map<std::string, int (*)(const std::vector<std::string>&)> commands = {
      {"info", RunInfo},     {"traces", RunTraces}, {"utm", RunUtm},
      {"latlon", RunLatLon}, {"render", RunRender}, {"map", RunMap}};
  if (argc < 2) return UsageError("");
  const auto command = commands.find(argv[1]);
  if (command == commands.end()) return UsageError(std::string("unknown command ") + argv[1]);
  return command->second(std::vector<std::string>(argv + 2, argv + argc));
}
