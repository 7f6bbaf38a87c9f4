#!/bin/sh
# Fuzzes with libFuzzer for the given number of seconds (default 600): scripts/fuzz.sh [SECONDS] [HARNESS]
# HARNESS is cellarfile (the Cellar File reader, the default) or samplesource (the sample source parser).
# Builds in build-fuzz with clang and runs on a copy of the harness's seed corpus fuzz/corpus/HARNESS,
# so the repository stays clean. Crashing inputs land in build-fuzz/artifacts/.
set -eu
seconds=${1:-600}
harness=${2:-cellarfile}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBW_BUILD_FUZZERS=ON -DBW_BUILD_GUI=OFF -DBW_BUILD_TESTS=OFF -DBW_BUILD_BENCHMARKS=OFF
cmake --build "$build" --target "${harness}_fuzz" -j2

rm -rf "$build/corpus-$harness"
cp -r "$root/fuzz/corpus/$harness" "$build/corpus-$harness"
mkdir -p "$build/artifacts"
"$build/fuzz/${harness}_fuzz" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/" "$build/corpus-$harness"
