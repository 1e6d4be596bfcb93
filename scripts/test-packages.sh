#!/usr/bin/env bash
# The driver packages' step of the test command, after the four Windows
# builds: writes both packages (make-packages.sh), checks them with
# marlowpkg, checks that marlowpkg names the fault in damaged copies of
# them, and installs them into Wine's spooler (test-installed.sh). marlowpkg
# and its package tests run as the win64-v6 build's programs under Wine, in
# a prefix of this step (build/packages/wineprefix).
# Exits non-zero when any part fails.
#
#   scripts/test-packages.sh      (test-all.sh runs it on an Xvfb display)
set -uo pipefail
cd "$(dirname "$0")/.."

packages=build/packages
bin=build/win64-v6/bin
prefix=$PWD/$packages/wineprefix
failed=()
started=$SECONDS

scripts/make-packages.sh || exit 1

# run_step NAME COMMAND...: runs one part, records it when it fails.
run_step() {
  local name=$1 begun=$SECONDS
  shift
  echo "--- ${name}"
  if "$@"; then
    echo "--- ${name}: passed ($((SECONDS - begun)) s)"
  else
    echo "--- ${name}: FAILED" >&2
    failed+=("$name")
  fi
}

# A Windows program of the win64-v6 build under Wine.
run_windows() { scripts/wine-run.sh "$prefix" "$@"; }

# --- the packages as written ---
run_step "marlowpkg check marlowui-v5" run_windows "$bin/marlowpkg.exe" check "$packages/marlowui-v5"
run_step "marlowpkg check marlowui-v6" run_windows "$bin/marlowpkg.exe" check "$packages/marlowui-v6"
run_step "marlowpkg check, both packages" run_windows "$bin/marlowpkg.exe" check "$packages"

# --- damaged copies: one per kind of fault, each must fail naming it ---
run_step "damaged packages" run_windows "$bin/marlowpkg_package_test.exe" --gtest_brief=1 \
  "--packages=$packages" "--work=$packages/damaged"

# --- install tests ---
# Both packages installed into Wine's spooler by the x64 and the x86 test
# program (each with the other architecture's driver as additional driver),
# an application on the installed printer, and marlowhost's tour through
# DocumentPropertiesW; see test-installed.sh.
run_step "installed, both packages" scripts/test-installed.sh "$prefix" \
  "$packages/marlowui-v5" "$packages/marlowui-v6"

WINEPREFIX=$prefix wineserver -k 2>/dev/null
echo "=== packages: $((SECONDS - started)) s"
if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED: ${failed[*]}" >&2
  exit 1
fi
