#!/usr/bin/env bash
# Installs what is missing, builds Bottlewright and starts it on the bundled sample cellar.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"

build="$root/build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBW_BUILD_TESTS=OFF -DBW_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target bottlewright sample_cellar

# The program keeps its small files (LastUsed.fnm, srtprec.bw3, colset.bw3) in the folder it starts in,
# and opens Sample3.bwf from there on first start.
cd "$build/cellar"
exec "$build/src/gui/bottlewright" "$@"
