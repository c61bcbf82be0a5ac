#!/usr/bin/env bash
# Installs what is missing, builds, and analyses the bundled example report.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
home=$(mktemp -d)
./build/src/cli/cartovex-cli --home "$home" analyze examples/config.txt "$@"
