#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the full build first, then the engine
# and its tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure -j2)

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCARTOVEX_SANITIZE=ON \
      -DCARTOVEX_CORE_ONLY=ON > /dev/null
cmake --build build-asan
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j2)
