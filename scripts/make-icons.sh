#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG (needs rsvg-convert from librsvg2-bin).
# The PNGs are committed, so the build itself needs no SVG renderer; run this after editing the SVG.
set -euo pipefail

icons="$(cd "$(dirname "$0")/../data/desktop/icons" && pwd)"
svg="$icons/com.quorvane.Bottlewright.svg"
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "$icons/${size}x${size}"
    rsvg-convert --width "$size" --height "$size" "$svg" --output "$icons/${size}x${size}/com.quorvane.Bottlewright.png"
done
