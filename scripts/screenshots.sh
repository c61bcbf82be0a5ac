#!/usr/bin/env bash
# Starts the desktop program under a virtual X server on the example report and saves a PNG of
# each page of the main window, and of the manager, abend log, Options, download wizard and
# status windows, and of the HTML page of the example and a small fleet dashboard as chromium
# shows them, into build/screenshots/. Usage: scripts/screenshots.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
program="$build/src/app/cartovex"
out="$root/build/screenshots"
[ -x "$program" ] || { echo "error: $program not built" >&2; exit 1; }
command -v xvfb-run >/dev/null || { echo "error: xvfb-run is missing (apt-get install xvfb xauth)" >&2; exit 1; }

home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
# A data directory where the program is initialised and the database was downloaded today,
# so no first-run window or download wizard stands in front of the pages.
"$build/src/cli/cartovex-cli" --home "$home" db show >/dev/null
mkdir -p "$home/registry/Software/Cartovex"
python3 - "$home" <<'PY'
import datetime, pathlib, struct, sys
home = pathlib.Path(sys.argv[1])
db = home / "quarixdb.ini"
text = db.read_bytes().replace(b"[Preferences]\r\n", b"[Preferences]\r\nInitialized=1\r\n", 1)
db.write_bytes(text)
days = (datetime.date.today() - datetime.date(1899, 12, 30)).days
(home / "registry/Software/Cartovex/LastDBDownload").write_bytes(struct.pack("<d", float(days)))
PY

rm -rf "$out"
mkdir -p "$out"
CARTOVEX_HOME="$home" CARTOVEX_SCREENSHOTS="$out" LC_ALL=C.UTF-8 \
    xvfb-run -a -s "-screen 0 1024x768x24" "$program" "$root/examples/config.txt"

# The HTML page of the example and a dashboard over a few reports (one of them broken).
if command -v chromium >/dev/null; then
    cli="$build/src/cli/cartovex-cli"
    "$cli" --home "$home" analyze "$root/examples/config.txt" --html "$home/example.html" >/dev/null
    (cd "$root" && "$cli" --home "$home" fleet examples/config.txt tests/data/compare/base-fs1.txt \
        tests/data/compare/comp-fs2.txt tests/data/compare/postrix.txt \
        tests/data/analysis/pine-fs5.txt --html-dir "$home/fleet" >/dev/null 2>&1) || true
    shoot() {
        chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
            --disable-background-networking --disable-component-update --disable-sync \
            --hide-scrollbars --user-data-dir="$home/chromium" --window-size="$3" \
            --screenshot="$out/$1" "file://$2" >/dev/null 2>&1
    }
    shoot html-report.png "$home/example.html" 1100,1600
    shoot html-dashboard.png "$home/fleet/index.html" 1560,600
else
    echo "chromium is missing: no screenshots of the HTML pages" >&2
fi
ls "$out"
