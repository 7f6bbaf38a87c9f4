#!/bin/bash
# Times the import of a 100,000-line tab-separated file by bottlewright-cli against sqlite3's .import
# of the same file into a table, in the same run. Run on demand, never by the tests:
#   benchmarks/import-vs-sqlite.sh [PATH/TO/bottlewright-cli] [LINES]
# Build the CLI in release mode first for figures worth comparing (cmake -DCMAKE_BUILD_TYPE=Release).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$root/build/src/cli/bottlewright-cli}
lines=${2:-100000}
command -v sqlite3 >/dev/null || { echo "sqlite3 is needed (apt-get install sqlite3)" >&2; exit 2; }
[ -x "$cli" ] || { echo "no bottlewright-cli at $cli" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A made-up cellar: every column of the full map, with quotes, NV and empty fields here and there.
awk -v n="$lines" 'BEGIN {
    OFS = "\t"
    printf "App\tBins\tCost\tCountry\tAcquired\tModified\tDesignation\tDrink\tNotes\tAcq\tQty\tProducer\t"
    printf "Rating\tRegion\tTry\tUser1\tUser2\tUser3\tUser4\tUser5\tValue\tVendor\tVint\tType\n"
    for (i = 1; i <= n; i++) {
        vintage = (i % 17 == 0) ? "NV" : 1950 + i % 70
        print "Appellation " i % 300, "A" i % 40 "-" i % 7, sprintf("%.2f", (i % 500) / 3), "France",
              (i % 12 + 1) "-" (i % 28 + 1) "-" (i % 100), "", "\"Cuvee " i % 90 "\"", "12-31-30",
              "Tasting note number " i " with some words in it", i % 24, i % 12, "Producer " i % 2000, 90 + i % 10,
              "Region " i % 50, "1-1-25", "750ml", "", "", "", "", sprintf("%.2f", (i % 700) / 3),
              "Merchant " i % 30, vintage, (i % 3 == 0) ? "White" : "Red"
    }
}' > "$work/cellar.txt"
seq -s ' ' 1 24 > "$work/full.bwx"

# Wall time and CPU time (user + system) of one command; on a busy machine the CPU time is the fairer.
measure() {
    local TIMEFORMAT="%R s wall, %U s user + %S s system"
    { time "$@" >/dev/null; } 2>&1
}

echo "lines:                $lines"
echo "bottlewright import:  $(measure "$cli" import "$work/cellar.txt" --map "$work/full.bwx" "$work/cellar.bwf")"
echo "sqlite3 .import:      $(measure sqlite3 "$work/cellar.db" ".mode tabs" ".import $work/cellar.txt wines")"
