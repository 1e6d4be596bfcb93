#!/usr/bin/env bash
# Builds and runs every test: the four Windows builds (under Wine, with an
# Xvfb display for the dialog tests; the 5.x builds' tests once more with Wine
# reporting older Windows versions, see run-ctest.sh) and the native build
# (ASan, UBSan and the bounded fuzzer run). When the run has all four Windows
# builds, the driver packages are written from them and checked
# (test-packages.sh). Exits non-zero when any build or test fails.
#
#   scripts/test-all.sh [PRESET...]     (default: all five)
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/bootstrap.sh || exit 1

presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(win64-v6 win64-v5 win32-v6 win32-v5 native)

for preset in "${presets[@]}"; do
  echo "=== build ${preset}"
  cmake --preset "$preset" >/dev/null || { echo "configure ${preset} failed" >&2; exit 1; }
  cmake --build --preset "$preset" || { echo "build ${preset} failed" >&2; exit 1; }
done

# One display for the whole run; xvfb-run starts and stops it.
xvfb-run -a -s "-screen 0 1280x1024x24" scripts/run-ctest.sh "${presets[@]}"
status=$?

# The driver packages need all four Windows builds.
windows_builds=0
for preset in "${presets[@]}"; do
  case $preset in win64-v6|win64-v5|win32-v6|win32-v5) windows_builds=$((windows_builds + 1)) ;; esac
done
if [ "$windows_builds" -eq 4 ]; then
  echo "=== packages"
  xvfb-run -a -s "-screen 0 1280x1024x24" scripts/test-packages.sh || status=1
fi

# Leave no Wine server behind (also those of the prefixes that report older
# Windows versions).
for preset in "${presets[@]}"; do
  for prefix in "build/${preset}/wineprefix" "build/${preset}"/wineprefix-*; do
    [ -d "$prefix" ] && WINEPREFIX="$PWD/$prefix" wineserver -k 2>/dev/null
  done
done
exit $status
