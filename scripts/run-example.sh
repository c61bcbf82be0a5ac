#!/usr/bin/env bash
# Installs what is missing, builds the command line (and the libraries it needs, nothing more)
# in build/, and analyses the bundled example report. A later full build reuses that work.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh --target cartovex-cli
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
./build/src/cli/cartovex-cli --home "$home" analyze examples/config.txt "$@"
