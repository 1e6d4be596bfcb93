#!/usr/bin/env bash
# Runs ctest for each preset given and prints, per build, the number of test
# programs and of GoogleTest cases. Exits non-zero when any test failed.
set -uo pipefail
cd "$(dirname "$0")/.."

failed=()
summary=()
for preset in "$@"; do
  echo "=== test ${preset}"
  jobs=1  # Wine tests run one at a time
  [ "$preset" = native ] && jobs=2
  if ! ctest --preset "$preset" -j "$jobs"; then
    failed+=("$preset")
  fi
  log="build/${preset}/Testing/Temporary/LastTest.log"
  cases=$(grep -hoE '^\[==========\] [0-9]+ tests? from .* ran' "$log" 2>/dev/null |
          awk '{ sum += $2 } END { print sum + 0 }')
  programs=$(grep -cE '^[0-9]+/[0-9]+ Test: ' "$log" 2>/dev/null || echo 0)
  summary+=("$(printf '%-10s %3s ctest entries, %4s GoogleTest cases' "$preset" "$programs" "$cases")")
done

echo "=== summary"
printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED: ${failed[*]}" >&2
  exit 1
fi
echo "all tests passed"
