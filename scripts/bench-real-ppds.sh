#!/usr/bin/env bash
# The benchmark on real printers' PPD files, in one command: fetches them
# when they are missing (scripts/fetch-real-ppds.sh), builds ppd_real_bench
# optimised (preset native-bench, with CUPS's libcups when it is installed)
# and prints its totals: reading and the whole model next to the fgetc
# floor and CUPS's ppdOpenFile, the fastest of five runs of each file.
# Extra arguments go to ppd_real_bench (without --quiet: a line per file).
#
#   scripts/bench-real-ppds.sh [DIRECTORY] [ppd_real_bench arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."

directory=build/real-ppds
if [ $# -gt 0 ] && [ "${1#-}" = "$1" ]; then
  directory=$1
  shift
fi
[ -d "$directory" ] || scripts/fetch-real-ppds.sh "$directory"
cmake --preset native-bench >/dev/null
cmake --build --preset native-bench --target ppd_real_bench >/dev/null
if [ $# -eq 0 ]; then
  set -- --quiet
fi
build/native-bench/bin/ppd_real_bench --repeats 5 "$@" "$directory"
