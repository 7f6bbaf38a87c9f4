#!/usr/bin/env bash
# Validates the installed desktop entry and the AppStream metainfo with the desktop's own tools.
# Usage: validate-desktop-files.sh FILE.desktop FILE.metainfo.xml. Exit 77 (skipped) when neither tool is there.
set -euo pipefail

desktop="$1"
metainfo="$2"
ran=0
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop"
    ran=1
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo"
    ran=1
fi
[ "$ran" -eq 1 ] || { echo "desktop-file-validate and appstreamcli are not installed"; exit 77; }
