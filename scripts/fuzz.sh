#!/usr/bin/env bash
# Builds the libFuzzer targets (one per reader of outside data) with clang and runs each from its
# seed corpus in fuzz/corpus/<target>/, real files from the asset forge and the program.
#   scripts/fuzz.sh                  a campaign: FUZZ_SECONDS (default 600) seconds per target
#   scripts/fuzz.sh 15               15 seconds per target (the test command's short run)
#   scripts/fuzz.sh 120 bmp wav      only these targets
# Exits non-zero when a fuzzer finds a crash; the input is left in build-fuzz/crashes/<target>/
# and the end of the fuzzer's log is shown.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-${FUZZ_SECONDS:-600}}"
shift || true
targets=("$@")
# Each target with the longest input worth trying: a few real files' worth.
declare -A max_len=([dot_picture]=4096 [bmp]=16384 [wav]=16384 [cursor]=8192 [settings]=4096
                    [replay_script]=4096 [run_options]=512)
if [ ${#targets[@]} -eq 0 ]; then
  targets=(dot_picture bmp wav cursor settings replay_script run_options)
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DKIDPLAY_FUZZ=ON -DKIDPLAY_TESTS=OFF \
  -DKIDPLAY_BENCH=OFF -DKIDPLAY_ASSETS=OFF >/dev/null
cmake --build build-fuzz --target "${targets[@]/%/_fuzz}" -j "$(nproc)"

for target in "${targets[@]}"; do
  # New inputs go to the build folder's corpus; the committed seeds are only read.
  corpus=build-fuzz/corpus/$target
  crashes=build-fuzz/crashes/$target
  log=build-fuzz/$target.log
  mkdir -p "$corpus" "$crashes"
  echo "-- $target: $seconds s"
  if ! "build-fuzz/${target}_fuzz" -max_total_time="$seconds" -max_len="${max_len[$target]}" \
    -print_final_stats=1 -artifact_prefix="$crashes/" "$corpus" "fuzz/corpus/$target" \
    >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzzing $target found a crash: $crashes/" >&2
    exit 1
  fi
  grep -E '^Done|stat::number_of_executed_units' "$log" || true
done
