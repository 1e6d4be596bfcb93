#!/usr/bin/env bash
# The long robustness check, left out of the test command: the native
# reader, built with AddressSanitizer and UndefinedBehaviorSanitizer, reads
# every real PPD file that scripts/fetch-real-ppds.sh unpacked (fetching them
# first when they are missing), with the constraint index, re-evaluations and
# the lint; a crash, a sanitizer report or a file that takes over a minute
# fails it.
#
#   scripts/check-real-ppds.sh [DIRECTORY]
set -euo pipefail
cd "$(dirname "$0")/.."

directory=${1:-build/real-ppds}
[ -d "$directory" ] || scripts/fetch-real-ppds.sh "$directory"
cmake --preset native >/dev/null
cmake --build --preset native --target ppd_real_files_check
build/native/bin/ppd_real_files_check --seconds 60 "$directory"
