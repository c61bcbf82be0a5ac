#!/usr/bin/env bash
# Builds the Debian package cartovex_<version>_<arch>.deb in build-package/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DBUILD_TESTING=OFF -DCARTOVEX_BENCH=OFF > /dev/null
cmake --build build-package
(cd build-package && cpack -G DEB > /dev/null)
ls build-package/*.deb
