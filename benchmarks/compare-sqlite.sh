#!/bin/bash
# Compares bottlewright-cli with sqlite3 on the same made-up cellar of N entries. Run on demand, never
# by the tests:
#   benchmarks/compare-sqlite.sh [N] [BUILD]
# N defaults to 100000; BUILD is a release build folder (default build-release, made with
# cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release && cmake --build build-release).
# The cellar comes from the benchmarks' own generator (bw-make-large-cellar) as a Cellar File; its
# tab-separated export is both what `import` reads and what sqlite3 .imports, so the database holds
# the same rows. Each pair runs alternately, REPEAT times (default 5), and the medians of the wall
# times are compared.
set -eu
export LC_ALL=C
root=$(cd "$(dirname "$0")/.." && pwd)
n=${1:-100000}
build=${2:-$root/build-release}
repeat=${REPEAT:-5}
cli=$build/src/cli/bottlewright-cli
make_cellar=$build/tools/bw-make-large-cellar
command -v sqlite3 >/dev/null || { echo "sqlite3 is needed (apt-get install sqlite3)" >&2; exit 2; }
for program in "$cli" "$make_cellar"; do
    [ -x "$program" ] || { echo "no $program: build $build first" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

"$make_cellar" "$n" cellar.bwf
seq -s ' ' 1 24 >full.bwx # every field, in the order of the header below
"$cli" export cellar.bwf cellar.txt --map full.bwx >/dev/null
columns="app, bins, cost REAL, country, acquired, modified, designation, drink, notes, acq INTEGER,
         qty INTEGER, producer, rating, region, try, user1, user2, user3, user4, user5, value REAL, vendor,
         vintage, type"
sqlite3 cellar.db "CREATE TABLE wines($columns);" ".mode tabs" ".import --skip 1 cellar.txt wines"
select="SELECT rowid - 1 AS idx, vintage, producer, designation FROM wines ORDER BY producer, vintage;"
sums="SELECT sum(qty), sum(cost * qty), sum(CASE WHEN value > 0.02 THEN value ELSE cost END * qty) FROM wines;"

sqlite_import() {
    rm -f imported.db
    sqlite3 imported.db "CREATE TABLE wines($columns);" ".mode tabs" ".import --skip 1 cellar.txt wines" \
        ".mode json" "$select"
}

# Seconds of wall time of one run, its output thrown away.
seconds() {
    local start=$EPOCHREALTIME
    "$@" >/dev/null
    awk -v end="$EPOCHREALTIME" -v start="$start" 'BEGIN { print end - start }'
}

median() {
    sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# compare NAME "bottlewright command" "sqlite command": alternating runs, medians and their ratio.
compare() {
    local name=$1 ours=$2 theirs=$3 ours_times="" theirs_times=""
    for _ in $(seq "$repeat"); do
        ours_times+="$(seconds $ours)"$'\n'
        theirs_times+="$(seconds $theirs)"$'\n'
    done
    local a b
    a=$(printf '%s' "$ours_times" | median)
    b=$(printf '%s' "$theirs_times" | median)
    printf '%-8s bottlewright %8.3f s   sqlite3 %8.3f s   ratio %.2f\n' "$name" "$a" "$b" "$(awk -v a="$a" -v b="$b" 'BEGIN { print a / b }')"
}

sqlite_list() { sqlite3 -json cellar.db "$select"; }
sqlite_sums() { sqlite3 cellar.db "$sums"; }
ours_import() { rm -f imported.bwf && "$cli" import cellar.txt imported.bwf --map full.bwx; }

# The files just made are written out now, not by the system in the middle of the timed runs.
sync
echo "$n entries: cellar.bwf $(stat -c %s cellar.bwf) bytes, cellar.txt $(stat -c %s cellar.txt) bytes," \
    "$repeat alternating runs each, medians of wall time"
compare list "$cli list cellar.bwf --json" sqlite_list
compare import ours_import sqlite_import
compare stats "$cli stats cellar.bwf" sqlite_sums
