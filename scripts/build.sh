#!/usr/bin/env bash
# Configures and builds in build/: everything (the program, the command line, the tests and the
# benchmarks), or only the targets given as "--target NAME...".
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build "$@"
