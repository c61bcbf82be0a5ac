#!/usr/bin/env bash
# Builds the Debian package cartovex_<version>_<arch>.deb. Without an argument it configures and
# builds a release in build-package/; with a folder that holds a finished build, it packages
# that build as it stands. Prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-}
if [ -z "$dir" ]; then
    bash scripts/install-deps.sh >&2
    dir=build-package
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
          -DCARTOVEX_BENCH=OFF > /dev/null
    cmake --build "$dir" >&2
fi
(cd "$dir" && cpack -G DEB > /dev/null)
ls "$dir"/cartovex_*.deb
