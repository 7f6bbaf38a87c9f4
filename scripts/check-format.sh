#!/usr/bin/env bash
# Lists the C++ files that clang-format would change and fails if there are any.
# Exits with 77 (a skipped test) when clang-format is not installed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
clang_format="${CLANG_FORMAT:-clang-format}"

if ! command -v "$clang_format" >/dev/null; then
    echo "clang-format is not installed: formatting not checked"
    exit 77
fi

cd "$root"
status=0
report=$(find src tests tools benchmarks fuzz -type f \( -name '*.h' -o -name '*.cpp' \) -print0 |
         xargs -0 "$clang_format" --dry-run --Werror 2>&1) || status=$?
[ $status -eq 0 ] && exit 0

unformatted=$(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' <<<"$report" | sort -u)
if [ -z "$unformatted" ]; then
    echo "$report" # clang-format itself failed
    exit 1
fi
echo "Not formatted (clang-format -i to fix):"
sed 's/^/  /' <<<"$unformatted"
exit 1
