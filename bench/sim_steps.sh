#!/bin/sh
# Creature steps per second of a full headless run with drawing (the picture is only drawn
# when it is asked for, hence --png):
#   tolvenn-sim --capacity 800 --ticks 20000 --png /dev/null
# Usage: sim_steps.sh [PATH/TO/tolvenn-sim] [RUNS]
# Prints each run's summary, then the best and the median rate.
set -eu
sim=${1:-./tools/tolvenn-sim}
runs=${2:-5}
[ -x "$sim" ] || { echo "sim_steps.sh: no executable at $sim" >&2; exit 2; }

rates=""
i=0
while [ "$i" -lt "$runs" ]; do
    line=$("$sim" --seed 1 --capacity 800 --ticks 20000 --png /dev/null 2>&1 >/dev/null)
    echo "$line"
    rate=$(echo "$line" | sed -n 's/.*, \([0-9]*\) steps\/s$/\1/p')
    [ -n "$rate" ] || { echo "sim_steps.sh: no rate in the summary" >&2; exit 1; }
    rates="$rates $rate"
    i=$((i + 1))
done
echo "$rates" | tr ' ' '\n' | grep . | sort -n | awk '
    { r[NR] = $1 }
    END { printf "best %d steps/s, median %d steps/s over %d runs\n", r[NR], r[int((NR + 1) / 2)], NR }'
