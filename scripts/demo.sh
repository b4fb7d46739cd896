#!/usr/bin/env bash
# Sets up the machine, builds Tarvix, writes the demo survey into demo/ and shows its baseline
# project: in the program when a display is there, otherwise rendered to a PNG by tarvix-cli.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVIX_BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
demo="$root/demo"
"$build/tools/demo-survey/tarvix-demo-survey" "$demo" >/dev/null
echo "Demo survey written to $demo"
project="$demo/demo-baseline.tvx"
"$build/tools/tarvix-cli/tarvix-cli" info "$project"
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  echo "Opening $project in Tarvix"
  exec "$build/src/gui/tarvix" "$project"
fi
picture="$demo/demo-baseline.png"
"$build/tools/tarvix-cli/tarvix-cli" render "$project" --out "$picture"
echo "No display here: the profile view of $project was rendered to $picture"
