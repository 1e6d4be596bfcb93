#!/usr/bin/env bash
# The main job: builds the x64 plug-in for platform 6.0 and runs the sheet
# simulator, marlowhost, on it under Wine.
#
#   scripts/run-main.sh                 the tour (samples/tour.txt), headless:
#                                       screenshots and a contact sheet in
#                                       build/win64-v6/tour/, then the report
#   scripts/run-main.sh ARGS...         marlowhost with these arguments (see --help);
#                                       without --script or -e the sheet waits for
#                                       its user on the display
#
# Without a DISPLAY, scripted runs go to a virtual one (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/bootstrap.sh
cmake --preset win64-v6 >/dev/null
cmake --build --preset win64-v6 --target marlowhost >/dev/null
build=build/win64-v6
prefix=$PWD/$build/wineprefix

tour=0
if [ $# -eq 0 ]; then
  tour=1
  folder=$build/tour
  rm -rf "$folder"
  mkdir -p "$folder"
  set -- --script samples/tour.txt --screenshots "$folder"
fi

scripted=0
for argument in "$@"; do
  case $argument in --script|-e|--help|-h|--frame) scripted=1 ;; esac
done

run=(scripts/wine-run.sh "$prefix" "$build/bin/marlowhost.exe" "$@")
if [ -z "${DISPLAY:-}" ]; then
  if [ "$scripted" = 0 ]; then
    echo "run-main.sh: the sheet waits for a user, and there is no DISPLAY; give --script FILE or -e STEP" >&2
    exit 2
  fi
  run=(xvfb-run -a -s "-screen 0 1280x1024x24" "${run[@]}")
fi

status=0
"${run[@]}" || status=$?
if [ "$tour" = 1 ]; then
  echo
  echo "Screenshots and their contact sheet: $PWD/$folder"
fi
exit $status
