#!/bin/sh
# SPDX-FileCopyrightText: The Tolvenn developers
# SPDX-License-Identifier: MIT
# Creature steps per second of full headless runs with drawing, on a 1920x1100 tank (the
# picture is only drawn when it is asked for, hence --png):
#   tolvenn-sim --seed 1 --tank 1920x1100 --capacity 50  --ticks 200000 --png /dev/null
#   tolvenn-sim --seed 1 --tank 1920x1100 --capacity 800 --ticks 20000 --png /dev/null
# Usage: sim_steps.sh [PATH/TO/tolvenn-sim] [RUNS]
# Prints each run's summary, then for each capacity the best and the median rate.
set -eu
sim=${1:-./tools/tolvenn-sim}
runs=${2:-5}
[ -x "$sim" ] || { echo "sim_steps.sh: no executable at $sim" >&2; exit 2; }

for run in "50 200000" "800 20000"; do
    set -- $run
    capacity=$1
    ticks=$2
    rates=""
    i=0
    while [ "$i" -lt "$runs" ]; do
        line=$("$sim" --seed 1 --tank 1920x1100 --capacity "$capacity" --ticks "$ticks" --png /dev/null 2>&1 >/dev/null)
        echo "capacity $capacity: $line"
        rate=$(echo "$line" | sed -n 's/.*, \([0-9]*\) steps\/s$/\1/p')
        [ -n "$rate" ] || { echo "sim_steps.sh: no rate in the summary" >&2; exit 1; }
        rates="$rates $rate"
        i=$((i + 1))
    done
    echo "$rates" | tr ' ' '\n' | grep . | sort -n | awk -v c="$capacity" '
        { r[NR] = $1 }
        END { printf "capacity %d: best %d steps/s, median %d steps/s over %d runs\n", c, r[NR], r[int((NR + 1) / 2)], NR }'
done
