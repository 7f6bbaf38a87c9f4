#!/bin/sh
# Fuzzes the readers with libFuzzer.
#   scripts/fuzz.sh [SECONDS] [HARNESS]   one harness (default: cellarfile for 600 seconds)
#   scripts/fuzz.sh all [MINUTES]         every fuzz/*_fuzz.cpp in turn, MINUTES each (default 10)
# Builds in build-fuzz with clang and runs on a copy of the harness's seed corpus fuzz/corpus/HARNESS
# (an empty one when it has none), so the repository stays clean. Crashing inputs land in
# build-fuzz/artifacts/; each run's summary goes to build-fuzz/HARNESS.log.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"

if [ "${1:-}" = all ]; then
    seconds=$(( ${2:-10} * 60 ))
    harnesses=$(for source in "$root"/fuzz/*_fuzz.cpp; do basename "$source" _fuzz.cpp; done)
else
    seconds=${1:-600}
    harnesses=${2:-cellarfile}
fi

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBW_BUILD_FUZZERS=ON -DBW_BUILD_GUI=OFF -DBW_BUILD_TESTS=OFF -DBW_BUILD_BENCHMARKS=OFF >/dev/null
targets=$(for harness in $harnesses; do printf '%s_fuzz ' "$harness"; done)
# shellcheck disable=SC2086
cmake --build "$build" --target $targets -j2

mkdir -p "$build/artifacts"
failed=0
for harness in $harnesses; do
    rm -rf "$build/corpus-$harness"
    mkdir -p "$build/corpus-$harness"
    if [ -d "$root/fuzz/corpus/$harness" ]; then
        cp -r "$root/fuzz/corpus/$harness/." "$build/corpus-$harness/"
    fi
    echo "== $harness: $seconds seconds"
    if "$build/fuzz/${harness}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/${harness}-" "$build/corpus-$harness" \
        >"$build/$harness.log" 2>&1; then
        grep -E '^stat::number_of_executed_units|^Done ' "$build/$harness.log" || true
    else
        failed=1
        echo "$harness FAILED; see $build/$harness.log"
        tail -n 30 "$build/$harness.log"
    fi
done
exit $failed
