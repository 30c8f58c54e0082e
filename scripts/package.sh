#!/usr/bin/env bash
# Builds a release in build-package/ and makes the Debian package
# build-package/kidplay_VERSION_ARCH.deb (installing under /usr), whose dependencies
# dpkg-shlibdeps reads from the shared libraries the program links.
# Install it with: apt-get install ./build-package/kidplay_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
rm -f build-package/kidplay_*.deb
scripts/build.sh build-package -DCMAKE_BUILD_TYPE=Release -DKIDPLAY_TESTS=OFF -DKIDPLAY_BENCH=OFF
(cd build-package && cpack -G DEB >cpack.log) || {
  cat build-package/cpack.log
  exit 1
}
ls build-package/kidplay_*.deb
