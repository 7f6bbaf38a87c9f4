#!/usr/bin/env bash
# Renders the main window on the bundled sample cellar into docs/screenshot.png, offscreen, in a
# temporary start folder with settings of its own (the user's settings are not touched).
# An optional folder argument also receives the About box, the help window and the toolbar glyphs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"

if [ -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" >/dev/null
else
    cmake -S "$root" -B "$build" -DBW_BUILD_TESTS=OFF -DBW_BUILD_BENCHMARKS=OFF >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target bw-screenshot sample_cellar

QT_QPA_PLATFORM=offscreen "$build/src/gui/bw-screenshot" "$build/cellar/Sample3.bwf" \
    "$root/docs/screenshot.png" "$@"
echo "Wrote $root/docs/screenshot.png"
