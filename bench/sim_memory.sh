#!/bin/sh
# SPDX-FileCopyrightText: The Tolvenn developers
# SPDX-License-Identifier: MIT
# Peak resident memory of tolvenn-sim where it could grow with the tank or the run, and
# how soon it refuses an output it cannot write:
#   1. --tank 16384x16384 --ticks 10 --state FILE    (no picture asked for)
#   2. --ticks TICKS --every 1 --census FILE         (the census of a long run)
#   3. --ticks 2147483647 --state MISSING/DIR/FILE   (refused before the first tick; a tool
#      that would run first is stopped after 10 s)
# Usage: sim_memory.sh [PATH/TO/tolvenn-sim] [TICKS]   (TICKS default 1000000)
# Needs GNU time (/usr/bin/time).
set -eu
sim=${1:-./tools/tolvenn-sim}
ticks=${2:-1000000}
[ -x "$sim" ] || { echo "sim_memory.sh: no executable at $sim" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "sim_memory.sh: needs GNU time at /usr/bin/time" >&2; exit 2; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

measure() {
    label=$1
    shift
    /usr/bin/time -f '%M %e %x' -o "$scratch/time" "$@" > /dev/null 2>&1 || true
    # A run ended by a signal has a line about it first.
    read -r kilobytes seconds status <<LAST
$(tail -n 1 "$scratch/time")
LAST
    echo "$label: peak $((kilobytes / 1024)) MB, $seconds s, exit $status"
}

measure "16384x16384, 10 ticks" "$sim" --seed 1 --tank 16384x16384 --ticks 10 --state "$scratch/state.tsv" --quiet
measure "census of $ticks ticks" "$sim" --seed 1 --ticks "$ticks" --every 1 --census "$scratch/census.csv" --quiet
measure "bad path, 2147483647 ticks" timeout 10 "$sim" --seed 1 --ticks 2147483647 --state "$scratch/missing/dir/state.tsv" --quiet
