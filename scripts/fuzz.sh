#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# (in build-fuzz) and runs each for SECONDS (default 60) on its corpus in tests/fuzz/corpus.
# New interesting inputs go to build-fuzz/corpus/<target>; copy the few worth keeping into the
# corpus. A crash leaves its input as build-fuzz/crash-* and stops with a failure.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
# FUZZ_RUNS=N stops each target after N executions instead (SECONDS is then an upper bound).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(report ini abendlog patchkit custom sortedtextlist)
build=${FUZZ_BUILD_DIR:-build-fuzz}
if [ ! -f "$build/build.ninja" ]; then
    # Clang warns about things gcc does not; they must not stop a fuzz build, so the compiler
    # is called through a wrapper that turns -Werror off again after every other flag.
    mkdir -p "$build"
    printf '#!/bin/sh\nexec clang++ "$@" -Wno-error\n' > "$build/clang++-fuzz"
    chmod +x "$build/clang++-fuzz"
    CC=clang CXX="$PWD/$build/clang++-fuzz" cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCARTOVEX_CORE_ONLY=ON -DCARTOVEX_BENCH=OFF -DCARTOVEX_SANITIZE=ON -DCARTOVEX_FUZZ=ON \
        > /dev/null
fi
cmake --build "$build" --target "${targets[@]/#/fuzz_}" > /dev/null
# Short allocation stacks: recording the full stack of every allocation would take most of the
# time; replaying a finding with the default options gives the full stacks.
export ASAN_OPTIONS=detect_leaks=1:malloc_context_size=4
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
for target in "${targets[@]}"; do
    mkdir -p "$build/corpus/$target"
    echo "== $target (${seconds} s)"
    "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" ${FUZZ_RUNS:+-runs=$FUZZ_RUNS} \
        -max_len=65536 -timeout=10 \
        -rss_limit_mb=4096 -artifact_prefix="$build/" -print_final_stats=1 \
        "$build/corpus/$target" "tests/fuzz/corpus/$target" 2>&1 |
        grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb)|ERROR|SUMMARY|Done" || true
    if ls "$build"/crash-* "$build"/leak-* "$build"/timeout-* "$build"/oom-* > /dev/null 2>&1; then
        echo "finding left in $build (see above)"
        exit 1
    fi
done
