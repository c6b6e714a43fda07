#!/bin/sh
# Runs the fuzz targets for as long as asked: each named target, or all of
# them, for the given seconds, from its seed corpus in tests/fuzz/corpus/.
# New inputs worth keeping go to build/tests/fuzz/corpus/<target>/ (kept
# between runs); an input that breaks a promise or trips a sanitizer is saved
# as build/tests/fuzz/<target>-crash-... and fails the run.
#   scripts/fuzz.sh [seconds per target, default 60] [target ...]
set -e
cd "$(dirname "$0")/.."
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=${*:-$(ls tests/fuzz/corpus)}
[ -f build/build.ninja ] || ./scripts/build.sh
# shellcheck disable=SC2086
cmake --build build --target $targets
status=0
for target in $targets; do
    mkdir -p "build/tests/fuzz/corpus/$target"
    echo "== $target for $seconds s"
    "build/tests/fuzz/bin/$target" -max_total_time="$seconds" -max_len=4096 \
        -print_final_stats=1 -artifact_prefix="build/tests/fuzz/$target-" \
        "build/tests/fuzz/corpus/$target" "tests/fuzz/corpus/$target" || status=1
done
exit $status
