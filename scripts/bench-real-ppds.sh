#!/usr/bin/env bash
# The benchmark on real printers' PPD files, in one command: fetches them
# when they are missing (scripts/fetch-real-ppds.sh), builds ppd_real_bench
# optimised (preset native-bench, with CUPS's libcups when it is installed)
# and prints its totals: reading and the whole model next to the fgetc
# floor and CUPS's ppdOpenFile, the fastest of five runs of each file.
# With --per-file it also prints a line per file.
#
#   scripts/bench-real-ppds.sh [--per-file] [DIRECTORY]
set -euo pipefail
cd "$(dirname "$0")/.."

quiet=--quiet
if [ "${1:-}" = --per-file ]; then
  quiet=
  shift
fi
directory=${1:-build/real-ppds}
[ -d "$directory" ] || scripts/fetch-real-ppds.sh "$directory"
cmake --preset native-bench >/dev/null
cmake --build --preset native-bench --target ppd_real_bench >/dev/null
build/native-bench/bin/ppd_real_bench --repeats 5 $quiet "$directory"
