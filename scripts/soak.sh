#!/usr/bin/env bash
# The long soak: seeded random input drives every game, headless, in the sanitizer build.
#   scripts/soak.sh                      8 runs with new seeds, 10 virtual minutes of each game each
#   scripts/soak.sh 20 30                20 runs, 30 virtual minutes of each game each
#   KIDPLAY_SOAK_SEEDS=123,456 scripts/soak.sh   replays exactly these seeds (a failure's report
#                                        names its seed)
# Also read: KIDPLAY_SOAK_JOBS (runs side by side, default the processors), KIDPLAY_SOAK_FRAME_MS
# (virtual milliseconds per loop pass, default 25). Prints every seed it uses; a failed run's
# script, trace and error output stay in build-asan/soak-failures/ with the command line that
# replays it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0
scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DKIDPLAY_SANITIZE=ON -DKIDPLAY_BENCH=OFF

export KIDPLAY_SOAK_MINUTES="${2:-${KIDPLAY_SOAK_MINUTES:-10}}"
if [ -z "${KIDPLAY_SOAK_SEEDS:-}" ]; then
  export KIDPLAY_SOAK_RUNS="${1:-${KIDPLAY_SOAK_RUNS:-8}}"
fi
cd build-asan
./test_scenarios_soak --gtest_filter=Soak.LongRunFromTheEnvironment
