#!/usr/bin/env bash
# The benchmark on real printers' PPD files, in one command: fetches them
# when they are missing (scripts/fetch-real-ppds.sh), builds ppd_real_bench
# optimised (preset native-bench, with CUPS's libcups when it is installed)
# and prints its totals: reading and the whole model next to the fgetc
# floor and CUPS's ppdOpenFile, the fastest of five runs of each file.
# With --per-file it also prints a line per file. With --windows it builds
# the x64 Windows program (preset win64-v6) and runs it under Wine instead:
# the same figures through the Windows C runtime's fgetc, the one the
# plug-in reads through, without the CUPS column.
#
#   scripts/bench-real-ppds.sh [--per-file] [--windows] [DIRECTORY]
set -euo pipefail
cd "$(dirname "$0")/.."

quiet=--quiet
windows=false
while [ $# -gt 0 ]; do
  case "$1" in
    --per-file) quiet= ;;
    --windows) windows=true ;;
    *) break ;;
  esac
  shift
done
directory=${1:-build/real-ppds}
[ -d "$directory" ] || scripts/fetch-real-ppds.sh "$directory"
if $windows; then
  cmake --preset win64-v6 >/dev/null
  cmake --build --preset win64-v6 --target ppd_real_bench >/dev/null
  # Wine sees the Linux file system as drive Z:.
  exec scripts/wine-run.sh "$PWD/build/win64-v6/wineprefix" build/win64-v6/bin/ppd_real_bench.exe \
    --repeats 5 $quiet "Z:$(realpath "$directory")"
fi
cmake --preset native-bench >/dev/null
cmake --build --preset native-bench --target ppd_real_bench >/dev/null
build/native-bench/bin/ppd_real_bench --repeats 5 $quiet "$directory"
