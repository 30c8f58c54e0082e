#!/usr/bin/env bash
# Builds the dot picture reader's fuzzer with clang and runs it for a while (FUZZ_SECONDS,
# default 30) from the seed corpus in fuzz/corpus. Exits non-zero when the fuzzer finds a crash;
# the crashing input is left in build-fuzz/crashes/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-30}"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DKIDPLAY_FUZZ=ON -DKIDPLAY_TESTS=OFF \
  -DKIDPLAY_BENCH=OFF -DKIDPLAY_ASSETS=OFF >/dev/null
cmake --build build-fuzz --target dot_picture_fuzz -j "$(nproc)"

# New inputs go to the build folder's corpus; the committed seeds are only read.
mkdir -p build-fuzz/corpus build-fuzz/crashes
# The fuzzer's running report goes to a log; its end is shown when it finds something.
if ! build-fuzz/dot_picture_fuzz -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
  -artifact_prefix=build-fuzz/crashes/ build-fuzz/corpus fuzz/corpus >build-fuzz/fuzz.log 2>&1; then
  tail -n 60 build-fuzz/fuzz.log
  exit 1
fi
grep -E '^Done|stat::number_of_executed_units' build-fuzz/fuzz.log || true
