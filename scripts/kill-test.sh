#!/bin/bash
# Kills `bottlewright-cli backup` and `rewrite` at random moments and checks what they leave:
#   scripts/kill-test.sh [KILLS] [ENTRIES]     (default 100 kills of each on a 100,000-entry cellar)
# Every backup name must hold a whole copy; after each killed rewrite the target must be the old file
# or the new one, and after one more clean rewrite no temporary file may be left. Needs the build/
# folder's bottlewright-cli and bw-make-large-cellar. Run on demand; the test suite has its own.
set -eu
kills=${1:-100}
entries=${2:-100000}
root=$(cd "$(dirname "$0")/.." && pwd)
cli="$root/build/src/cli/bottlewright-cli"
make_cellar="$root/build/tools/bw-make-large-cellar"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$make_cellar" "$entries" "$work/new.bwf"
"$make_cellar" $((entries / 2)) "$work/old.bwf"
echo "cellar: $(stat -c %s "$work/new.bwf") bytes, $entries entries"

# How long one whole run takes, in microseconds; kills land anywhere up to a quarter beyond it.
duration() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
}

# Starts the command, kills it after a random delay up to $1 microseconds, and waits for it.
kill_after() {
    local limit=$1
    shift
    "$@" >/dev/null 2>&1 &
    local pid=$!
    sleep "$(awk -v r=$RANDOM -v l="$limit" 'BEGIN { printf "%.6f", r / 32767 * l * 1.25 / 1e6 }')"
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

mkdir "$work/backups"
limit=$(duration "$cli" backup "$work/new.bwf" "$work/backups")
rm -f "$work/backups"/*
torn=0
names=0
for ((i = 0; i < kills; i++)); do
    # A fresh location now and then: a day has only 25 names.
    if ((i % 20 == 0)); then rm -rf "$work/backups" && mkdir "$work/backups"; fi
    kill_after "$limit" "$cli" backup "$work/new.bwf" "$work/backups"
    for copy in "$work/backups"/*.bwf; do
        [ -e "$copy" ] || continue
        names=$((names + 1))
        cmp -s "$copy" "$work/new.bwf" || { torn=$((torn + 1)); echo "torn backup: $(basename "$copy")"; }
        rm -f "$copy"
    done
done
"$cli" backup "$work/new.bwf" "$work/backups" >/dev/null
left=$(find "$work/backups" -name '*.partial-*' | wc -l)
echo "backup: $kills kills (whole run ${limit} us), $names backup names made, $torn torn, $left temporary files left after the next backup"

cp "$work/old.bwf" "$work/out.bwf"
limit=$(duration "$cli" rewrite "$work/new.bwf" "$work/out.bwf")
wrong=0
interrupted=0
partial=0
for ((i = 0; i < kills; i++)); do
    cp "$work/old.bwf" "$work/out.bwf"
    kill_after "$limit" "$cli" rewrite "$work/new.bwf" "$work/out.bwf"
    # A temporary file here is one the next run must remove.
    if [ -n "$(find "$work" -maxdepth 1 -name 'out.bwf.partial-*')" ]; then partial=$((partial + 1)); fi
    if cmp -s "$work/out.bwf" "$work/old.bwf"; then
        interrupted=$((interrupted + 1))
    elif ! cmp -s "$work/out.bwf" "$work/new.bwf"; then
        wrong=$((wrong + 1))
        echo "rewrite $i: the target is neither the old nor the new file"
    fi
done
"$cli" rewrite "$work/new.bwf" "$work/out.bwf"
left=$(find "$work" -maxdepth 1 -name 'out.bwf.partial-*' | wc -l)
echo "rewrite: $kills kills (whole run ${limit} us), $interrupted left the old file, $wrong neither old nor new," \
    "$partial kills left a temporary file, $left temporary files after one more rewrite"
[ "$torn" -eq 0 ] && [ "$wrong" -eq 0 ] && [ "$left" -eq 0 ]
