#!/usr/bin/env bash
# The long campaign of random use and hostile input (README, "Random use and
# hostile input"), on builds already made: the monkey in every Windows build
# (SEEDS seeds x STEPS steps, the languages in turn), the random host calls
# (SEEDS/2 seeds x CALLS calls per build) and each fuzzer for FUZZ_SECONDS.
# Prints one line per run and a summary; exits 1 when any run found a fault
# (the monkey's scripts stay in build/<preset>/campaign/).
#
#   scripts/long-campaign.sh [PRESET...]   (default: the four Windows builds and native)
set -uo pipefail
cd "$(dirname "$0")/.."

SEEDS=${SEEDS:-20}
STEPS=${STEPS:-2000}
CALLS=${CALLS:-100000}
FUZZ_SECONDS=${FUZZ_SECONDS:-600}
languages=(en-US de-DE fr-FR it-IT ja-JP nl-NL pt-PT es-ES)

presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(win64-v6 win64-v5 win32-v6 win32-v5 native)

failed=0
run() {  # run NAME COMMAND...: one line with the outcome
  local name=$1 started=$SECONDS
  shift
  if "$@" > "$log_dir/$name.log" 2>&1; then
    printf '%-40s ok      %4s s\n' "$name" $((SECONDS - started))
  else
    printf '%-40s FAULT   %4s s  (%s)\n' "$name" $((SECONDS - started)) "$log_dir/$name.log"
    failed=1
  fi
}

campaign() {
  for preset in "${presets[@]}"; do
    log_dir="$PWD/build/$preset/campaign"
    mkdir -p "$log_dir"
    if [ "$preset" = native ]; then
      for fuzzer in ppd_model private_devmode ppd_lint; do
        mkdir -p "$log_dir/$fuzzer-corpus"
        seeds=(fuzz/corpus/private_devmode)
        [ "$fuzzer" = private_devmode ] || seeds=(samples tests/ppd/data tests/tools/lint)
        run "native-${fuzzer}_fuzzer" "build/native/bin/${fuzzer}_fuzzer" -max_total_time="$FUZZ_SECONDS" \
          -max_len=16384 -timeout=10 -print_final_stats=1 -artifact_prefix="$log_dir/" \
          "$log_dir/$fuzzer-corpus" "${seeds[@]}"
      done
      continue
    fi
    prefix="$PWD/build/$preset/wineprefix"
    bin="$PWD/build/$preset/bin"
    for ((seed = 1; seed <= SEEDS; ++seed)); do
      language=${languages[$(((seed - 1) % ${#languages[@]}))]}
      run "$preset-monkey-$seed-$language" scripts_wine "$prefix" "$bin/marlowhost.exe" \
        --monkey "$seed" --steps "$STEPS" --lang "$language" --monkey-script "$log_dir/monkey-$seed.txt"
    done
    for ((seed = 1; seed <= SEEDS / 2; ++seed)); do
      run "$preset-random-host-calls-$seed" scripts_wine "$prefix" "$bin/random_host_calls.exe" \
        --seed "$seed" --calls "$CALLS"
    done
  done
}

root=$PWD
scripts_wine() { "$root/scripts/wine-run.sh" "$@"; }

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
campaign
for preset in "${presets[@]}"; do
  [ "$preset" = native ] || WINEPREFIX="$PWD/build/$preset/wineprefix" wineserver -k 2>/dev/null
done
exit $failed
