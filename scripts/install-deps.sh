#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing when all are present.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev libcurl4-openssl-dev libgtest-dev libgmock-dev
          libbenchmark-dev python3-pyftpdlib python3-openssl openssl clang-format
          scdoc librsvg2-bin desktop-file-utils appstream dpkg-dev file poppler-utils
          xvfb xauth qt6-svg-dev chromium chromium-driver python3-selenium python3-html5lib)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
