#!/usr/bin/env bash
# The main job: builds the x64 plug-in for platform 6.0 and runs the host
# program on it under Wine.
#
#   scripts/run-main.sh [marlowhost arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/bootstrap.sh
cmake --preset win64-v6 >/dev/null
cmake --build --preset win64-v6 --target marlowhost >/dev/null
build=build/win64-v6
exec scripts/wine-run.sh "$PWD/$build/wineprefix" "$build/bin/marlowhost.exe" "$@"
