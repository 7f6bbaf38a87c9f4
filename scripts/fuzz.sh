#!/bin/sh
# Fuzzes the Cellar File reader for the given number of seconds (default 600) with libFuzzer.
# Builds in build-fuzz with clang; runs on a copy of the seed corpus so the repository stays clean.
# Crashing inputs land in build-fuzz/artifacts/.
set -eu
seconds=${1:-600}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBW_BUILD_FUZZERS=ON -DBW_BUILD_GUI=OFF -DBW_BUILD_TESTS=OFF -DBW_BUILD_BENCHMARKS=OFF
cmake --build "$build" --target cellarfile_fuzz -j2

rm -rf "$build/corpus"
cp -r "$root/fuzz/corpus" "$build/corpus"
mkdir -p "$build/artifacts"
"$build/fuzz/cellarfile_fuzz" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/" "$build/corpus"
