#!/usr/bin/env bash
# Packages the finished build in build/, installs the package on this machine and tries it as a
# new user would: version, the example report and its PDF, the manual page, the desktop entry and
# metainfo.
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(bash scripts/package.sh build)
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "./$deb" > /dev/null
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
test "$(/usr/bin/cartovex-cli --version)" = "cartovex-cli 2.66"
/usr/bin/cartovex-cli --home "$home" analyze examples/config.txt > /dev/null
# The PDF output comes from the module installed beside the program's libraries.
/usr/bin/cartovex-cli --home "$home" analyze examples/config.txt --pdf "$home/summary.pdf" > /dev/null
test "$(head -c 5 "$home/summary.pdf")" = "%PDF-"
man -w cartovex-cli
man -w cartovex
desktop-file-validate /usr/share/applications/cartovex.desktop
appstreamcli validate --no-net /usr/share/metainfo/org.cartovex.Cartovex.metainfo.xml
test -f /usr/share/bash-completion/completions/cartovex-cli
test -f /usr/share/icons/hicolor/48x48/apps/cartovex.png
echo "package $deb installs and runs"
