#!/usr/bin/env bash
# Sets up, builds and runs every test: once in a normal build, once under AddressSanitizer and
# UndefinedBehaviorSanitizer, plus the house checks and a short fuzz run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

echo "== House check: SDL stays inside src/platform/"
if grep -rn -E '#include[[:space:]]*[<"]SDL' src --include='*.h' --include='*.cpp' | grep -v '^src/platform/'; then
  echo "SDL headers are included outside src/platform/" >&2
  exit 1
fi

jobs=$(nproc)
echo "== Normal build"
scripts/build.sh build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo
(cd build-test && ctest --output-on-failure -j "$jobs")

if [ -x scripts/fuzz.sh ]; then
  # A short run of every target, about two minutes in all; scripts/fuzz.sh alone runs longer.
  echo "== Fuzzing"
  scripts/fuzz.sh 15
fi

echo "== Sanitizer build"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0
scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DKIDPLAY_SANITIZE=ON -DKIDPLAY_BENCH=OFF
(cd build-asan && ctest --output-on-failure -j "$jobs")

