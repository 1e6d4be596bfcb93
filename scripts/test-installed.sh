#!/usr/bin/env bash
# The driver packages installed into Wine's spooler and an application on the
# installed printer: for each package, the win64-v6 build's
# installed_driver_test (x64, with the x86 driver as additional driver), then
# the win32-v6 build's (x86, with the x64 one as additional driver), in one
# Wine prefix where both architectures meet. Each program installs the
# package from its INF, reads the printer's driver back from a process of
# each kind, acts as an application through DocumentPropertiesW (the sheet
# on the display) and removes everything again. Then marlowhost runs the
# tour on the installed path. Exits non-zero when any run fails.
#
#   scripts/test-installed.sh PREFIX PACKAGE_DIR...
#   (test-packages.sh runs it on the packages it made)
set -uo pipefail
cd "$(dirname "$0")/.."

prefix=$1
shift
status=0
windows_path() { WINEPREFIX=$prefix winepath -w "$1" 2>/dev/null; }
x64=$(windows_path "$PWD/build/win64-v6/bin")
x86=$(windows_path "$PWD/build/win32-v6/bin")
for package in "$@"; do
  dir=$(windows_path "$(cd "$package" && pwd)")
  for run in "win64-v6 $x86" "win32-v6 $x64"; do
    preset=${run%% *}
    peer=${run#* }
    echo "--- installed from $(basename "$package"), ${preset}"
    scripts/wine-run.sh "$prefix" "build/${preset}/bin/installed_driver_test.exe" --gtest_brief=1 \
      --package "$dir" --peer "$peer" || status=1
  done
  # marlowhost on the installed path: the tour through DocumentPropertiesW;
  # the settings returned to the application hold its choices.
  for preset in win64-v6 win32-v6; do
    echo "--- marlowhost --install-package $(basename "$package"), ${preset}"
    report=$(scripts/wine-run.sh "$prefix" "build/${preset}/bin/marlowhost.exe" --install-package "$dir" \
      --script samples/tour.txt) || { echo "$report"; status=1; continue; }
    for expected in "dmOrientation DMORIENT_LANDSCAPE" "dwReserveJobType     4 (Confidential Job)" \
        'wszJobName           "Quarterly"'; do
      grep -qF "$expected" <<<"$report" || { echo "$report"; echo "missing: $expected" >&2; status=1; }
    done
  done
done
exit $status
