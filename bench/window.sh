#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tolvenn developers
# SPDX-License-Identifier: MIT
# The window under Xvfb, at rest and at full load: ticks a second, processor use of the
# program and of the X server, and resident memory; and, when xfishtank is installed, the
# same figures for it at rest in the same run, with the ratio of the two.
#
# Usage: window.sh [PATH/TO/tolvenn] [RUNS]
#   BENCH_DISPLAY  the Xvfb display number to use (default 97)
#   BENCH_WARMUP   seconds before measuring (default 4)
#   BENCH_SECONDS  seconds measured (default 20)
#
# At rest: `tolvenn 50` at the default pace on a 1024x768 screen, against
# `xfishtank -f 40 -i .05 -r .05` (40 fish, 20 updates a second). Full load:
# `tolvenn 800 --speed 1` on a 1920x1080 screen. Processor use is measured over the same
# window for the program and for the X server, resident memory at its end; ticks a
# second, the population and the milliseconds of CPU a tick come from the program's own
# --stats line, over its whole run.
set -euo pipefail
program=${1:-./app/tolvenn}
runs=${2:-3}
display=${BENCH_DISPLAY:-97}
warmup=${BENCH_WARMUP:-4}
seconds=${BENCH_SECONDS:-20}
[ -x "$program" ] || { echo "window.sh: no executable at $program" >&2; exit 2; }
command -v Xvfb > /dev/null || { echo "window.sh: Xvfb is needed (Debian package xvfb)" >&2; exit 2; }
fishtank=$(command -v xfishtank || ls /usr/games/xfishtank 2> /dev/null || true)
scratch=$(mktemp -d)
xpid=""
cleanup()
{
    [ -n "$xpid" ] && kill "$xpid" 2> /dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# Processor nanoseconds of a process: the sum over its threads, which all live as long
# as it does.
cpu_ns()
{
    cat /proc/"$1"/task/*/schedstat 2> /dev/null | awk '{ s += $1 } END { printf "%.0f\n", s }'
}

rss_kb()
{
    awk '/^VmRSS:/ { print $2 }' /proc/"$1"/status
}

start_x()
{
    if [ -e "/tmp/.X11-unix/X$display" ]; then
        echo "window.sh: display :$display is in use; choose another with BENCH_DISPLAY" >&2
        exit 2
    fi
    Xvfb ":$display" -screen 0 "$1" -nolisten tcp > "$scratch/xvfb.log" 2>&1 &
    xpid=$!
    for _ in $(seq 50); do
        kill -0 "$xpid" 2> /dev/null || break
        [ -S "/tmp/.X11-unix/X$display" ] && return 0
        sleep 0.1
    done
    echo "window.sh: Xvfb :$display did not start" >&2
    exit 1
}

stop_x()
{
    kill "$xpid" 2> /dev/null || true
    wait "$xpid" 2> /dev/null || true
    xpid=""
}

# measure LABEL SCREEN wait|kill COMMAND...: runs the command on a fresh X server, lets it
# end by itself (wait) or ends it (kill) after the measured window, and prints
# "LABEL program_cpu_percent x_cpu_percent rss_mb x_ms_per_tick stats-line"; the X
# server's milliseconds a tick cover the program's whole run, as its own figure does.
measure()
{
    local label=$1 screen=$2 ending=$3
    shift 3
    start_x "$screen"
    local xs p0 x0 t0 p1 x1 t1 rss xe
    xs=$(cpu_ns "$xpid")
    DISPLAY=":$display" "$@" > /dev/null 2> "$scratch/err" &
    local pid=$!
    sleep "$warmup"
    p0=$(cpu_ns "$pid"); x0=$(cpu_ns "$xpid"); t0=$(date +%s%N)
    sleep "$seconds"
    p1=$(cpu_ns "$pid"); x1=$(cpu_ns "$xpid"); t1=$(date +%s%N); rss=$(rss_kb "$pid")
    if [ "$ending" = kill ]; then kill "$pid" 2> /dev/null || true; fi
    wait "$pid" 2> /dev/null || true
    xe=$(cpu_ns "$xpid")
    local stats ticks
    stats=$(grep '^ticks=' "$scratch/err" || true)
    ticks=$(echo "$stats" | sed -n 's/^ticks=\([0-9]*\) .*/\1/p')
    stop_x
    awk -v l="$label" -v p=$((p1 - p0)) -v x=$((x1 - x0)) -v t=$((t1 - t0)) -v r="$rss" -v s="$stats" \
        -v xr=$((xe - xs)) -v n="${ticks:-0}" \
        'BEGIN { printf "%s %.2f %.2f %.1f %.3f %s\n", l, 100 * p / t, 100 * x / t, r / 1024, (n > 0 ? xr / 1e6 / n : 0), s }'
}

# summary FILE: min and median of each figure over the runs; the median of program plus
# X server goes to standard error.
summary()
{
    awk '
        { n++; pc[n] = $2; xc[n] = $3; tc[n] = $2 + $3; rs[n] = $4; xt[n] = $5
          tp[n] = 0; pop[n] = 0; pt[n] = 0
          for (i = 6; i <= NF; i++) {
              split($i, kv, "=")
              if (kv[1] == "ticks_per_s") tp[n] = kv[2]
              if (kv[1] == "population") pop[n] = kv[2]
              if (kv[1] == "cpu_ms_per_tick") pt[n] = kv[2]
          } }
        function sort(a,   i, j, t) { for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t } }
        function mid(a) { sort(a); return a[int((n + 1) / 2)] }
        function low(a) { sort(a); return a[1] }
        END {
            printf "  CPU: program %.2f%% / %.2f%%, X server %.2f%% / %.2f%%, together %.2f%% / %.2f%%\n",
                   low(pc), mid(pc), low(xc), mid(xc), low(tc), mid(tc)
            printf "  resident memory %.1f / %.1f MB\n", low(rs), mid(rs)
            if (tp[1] > 0) {
                printf "  ticks a second %.1f / %.1f, population at the end %d / %d\n", low(tp), mid(tp), low(pop), mid(pop)
                printf "  milliseconds of CPU a tick: program %.3f / %.3f, X server %.3f / %.3f\n", low(pt), mid(pt), low(xt), mid(xt)
            }
            printf "  (min / median of %d runs)\n", n
            print mid(tc) > "/dev/stderr"
        }' "$1"
}

run_for=$((warmup + seconds + 2))
: > "$scratch/rest"
: > "$scratch/fish"
: > "$scratch/full"
for i in $(seq "$runs"); do
    measure rest 1024x768x24 wait "$program" 50 --run-for "$run_for" --stats | tee -a "$scratch/rest"
    if [ -n "$fishtank" ]; then
        measure xfishtank 1024x768x24 kill "$fishtank" -f 40 -i .05 -r .05 | tee -a "$scratch/fish"
    fi
    measure full 1920x1080x24 wait "$program" 800 --speed 1 --run-for "$run_for" --stats | tee -a "$scratch/full"
done

echo "At rest: tolvenn 50, 50 ms a tick, 1024x768"
ours=$(summary "$scratch/rest" 2>&1 > "$scratch/rest.txt"); cat "$scratch/rest.txt"
if [ -n "$fishtank" ]; then
    echo "At rest: xfishtank -f 40 -i .05 -r .05, 1024x768"
    theirs=$(summary "$scratch/fish" 2>&1 > "$scratch/fish.txt"); cat "$scratch/fish.txt"
    awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "  ratio (tolvenn + X) / (xfishtank + X), medians: %.2f\n", (b > 0 ? a / b : 0) }'
else
    echo "(xfishtank is not installed: no comparison)"
fi
echo "Full load: tolvenn 800 --speed 1, 1920x1080"
summary "$scratch/full" 2> /dev/null
