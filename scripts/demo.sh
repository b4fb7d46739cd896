#!/usr/bin/env bash
# Sets up the machine, builds Tarvix, writes the demo survey into demo/ and runs the main job on it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVIX_BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
demo="$root/demo"
"$build/tools/demo-survey/tarvix-demo-survey" "$demo" >/dev/null
echo "Demo survey written to $demo"
"$build/tools/tarvix-cli/tarvix-cli" info "$demo/demo-baseline.tvx"
