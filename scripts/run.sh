#!/usr/bin/env bash
# Sets up, builds and starts Kidplay. Extra arguments go to the program (for example --windowed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release -DKIDPLAY_TESTS=OFF -DKIDPLAY_BENCH=OFF
exec build/kidplay "$@"
