#!/usr/bin/env bash
# Fleet benchmarks on generated reports of 64 KB:
#  - fleet --html-dir against fleet --csv over 1,000 reports (target: at most 1.5 times the
#    time, the same peak memory);
#  - fleet -j 2 against -j 1 over 500 reports (target on 2 cores: at least 1.8 times as fast).
# Each run is repeated and the best wall time kept, since the machine may be shared; the CPU
# time (user + system, workers included) is printed beside it.
# Usage: scripts/bench-fleet.sh [BUILD_DIR] [REPEATS]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
repeats="${2:-3}"
cmake --build "$build" --target cartovex-cli cartovex-genreport > /dev/null
cli="$build/src/cli/cartovex-cli"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
home="$work/home"
mkdir -p "$work/reports"
"$build/bench/cartovex-genreport" 800 5 random > "$work/one.txt"   # about 64 KB
for i in $(seq 1 1000); do cp "$work/one.txt" "$work/reports/r$i.txt"; done
mapfile -t all < <(ls "$work"/reports/r*.txt)
"$cli" --home "$home" fleet "${all[0]}" > /dev/null   # data directory made before timing

# Runs the command `repeats` times; prints "best-wall cpu-of-that-run peak-KB".
measure() {
    local best="" line
    for _ in $(seq 1 "$repeats"); do
        rm -rf "$work/html"
        /usr/bin/time -f "%e %U %S %M" -o "$work/time" "$cli" --home "$home" "$@" > /dev/null || true
        line="$(tail -1 "$work/time")"
        if [ -z "$best" ] || awk -v a="${line%% *}" -v b="${best%% *}" 'BEGIN{exit !(a<b)}'; then
            best="$line"
        fi
    done
    awk '{printf "%.3f %.3f %d\n", $1, $2 + $3, $4}' <<< "$best"
}

report() {  # name slower faster target: ratio of the wall times and of the CPU times
    awk -v n="$1" -v s="$2" -v f="$3" -v t="$4" 'BEGIN{
        split(s, a, " "); split(f, b, " ");
        printf "%-34s wall %.2fx  cpu %.2fx  (target %s)\n", n, a[1]/b[1], a[2]/b[2], t}'
}

csv="$(measure fleet "${all[@]}" --csv)"
html="$(measure fleet "${all[@]}" --html-dir "$work/html")"
echo "1000 reports fleet --csv:          ${csv% *} s wall/cpu, peak ${csv##* } KB"
echo "1000 reports fleet --html-dir:     ${html% *} s wall/cpu, peak ${html##* } KB"
report "html-dir against csv" "$html" "$csv" "<= 1.5x"

five=("${all[@]:0:500}")
one="$(measure fleet "${five[@]}" -j 1)"
two="$(measure fleet "${five[@]}" -j 2)"
echo "500 reports fleet -j 1:            ${one% *} s wall/cpu, peak ${one##* } KB"
echo "500 reports fleet -j 2:            ${two% *} s wall/cpu, peak ${two##* } KB"
report "speed-up -j 2 against -j 1" "$one" "$two" ">= 1.8x wall on 2 free cores"
# On a shared machine the wall time says little; with the work spread evenly over two cores,
# the speed-up is twice the ratio of the CPU times (what the workers cost beyond one process).
awk -v s="$one" -v f="$two" 'BEGIN{split(s, a, " "); split(f, b, " ");
    printf "%-34s %.2fx  (2 x cpu -j 1 / cpu -j 2)\n", "speed-up from CPU times", 2*a[2]/b[2]}'
