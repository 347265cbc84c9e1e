#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tolvenn developers
# SPDX-License-Identifier: MIT
# Every check of `tools/bootstrap.sh test`, once the release build in build/ is made:
#
#   nogui     the Qt-free configuration (-DTOLVENN_GUI=OFF) in build-nogui/ and its tests
#   asan      the sanitizer build (ASan, LSan, UBSan; every report fatal) in build-asan/
#             and the whole test suite there
#   sim       tolvenn-sim under the sanitizers: 20000 ticks, capacity 800, a 1920x1100 tank
#   fuzz      each fuzz target of tests/fuzz, built with clang in build-fuzz/, on its corpus
#   soak      the real window under Xvfb, driven at random on the sanitizer build
#   desktop   licensing (reuse lint), the AppStream metainfo and the desktop entry
#   release   the test suite of build/, whose summary ends the output
#
# Each stage prints one line; what it printed is kept in build-logs/STAGE.log and shown
# when it fails. Any failure ends the run with status 1. Every step has a time limit.
# TOLVENN_FUZZ_SECONDS and TOLVENN_SOAK_SECONDS change the 60 s of those two stages.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
jobs=$(nproc)
fuzz_seconds=${TOLVENN_FUZZ_SECONDS:-60}
soak_seconds=${TOLVENN_SOAK_SECONDS:-60}
logs=build-logs
mkdir -p "$logs"
launcher=()
if command -v ccache > /dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# stage NAME COMMAND...: runs the command with its output in the stage's log; the command
# leaves its one-line result in $logs/NAME.result.
stage() {
  local name=$1 start=$SECONDS status
  shift
  rm -f "$logs/$name.result"
  # A subshell outside any condition, so that its first failing command ends it.
  set +e
  (set -e; "$@") > "$logs/$name.log" 2>&1
  status=$?
  set -e
  if [ $status -eq 0 ]; then
    printf '%-8s ok     %4d s  %s\n' "$name" $((SECONDS - start)) "$(cat "$logs/$name.result")"
  else
    printf '%-8s FAILED %4d s  (the end of %s follows)\n' "$name" $((SECONDS - start)) "$logs/$name.log"
    tail -n 80 "$logs/$name.log"
    exit 1
  fi
}

# The summary line of a ctest run, e.g. "100% tests passed, 0 tests failed out of 238".
tests_line() {
  grep -E 'tests passed|tests failed' "$1" | tail -n 1
}

configure_and_build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" "${launcher[@]}" "$@"
  timeout 3600 cmake --build "$dir" -j "$jobs"
}

nogui() {
  configure_and_build build-nogui -DCMAKE_BUILD_TYPE=Release -DTOLVENN_GUI=OFF
  ctest --test-dir build-nogui --output-on-failure -j "$jobs" --timeout 300 | tee "$logs/nogui.ctest"
  echo "Qt-free build: $(tests_line "$logs/nogui.ctest")" > "$logs/nogui.result"
}

asan() {
  configure_and_build build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVENN_SANITIZE=ON
  ctest --test-dir build-asan --output-on-failure -j "$jobs" --timeout 300 | tee "$logs/asan.ctest"
  echo "sanitizer build: $(tests_line "$logs/asan.ctest")" > "$logs/asan.result"
}

sim() {
  local seed=$((RANDOM * 32768 + RANDOM))
  timeout 900 build-asan/tools/tolvenn-sim --seed "$seed" --ticks 20000 --capacity 800 --tank 1920x1100 \
    --state "$logs/sim-state.tsv"
  echo "tolvenn-sim --seed $seed: 20000 ticks at capacity 800 on 1920x1100, no sanitizer report" > "$logs/sim.result"
}

fuzz() {
  configure_and_build build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVENN_FUZZ=ON
  local names=() pids=() name
  for corpus in tests/fuzz/*/corpus; do
    name=$(basename "$(dirname "$corpus")")
    names+=("$name")
    # New inputs go to a scratch folder, so the corpus in the repository stays as it is.
    rm -rf "build-fuzz/found/$name"
    mkdir -p "build-fuzz/found/$name"
    local dict=()
    [ ! -f "tests/fuzz/$name/$name.dict" ] || dict=(-dict="tests/fuzz/$name/$name.dict")
    timeout $((fuzz_seconds + 120)) "build-fuzz/tests/fuzz/fuzz_$name" -max_total_time="$fuzz_seconds" "${dict[@]}" \
      -artifact_prefix="build-fuzz/found/$name-" "build-fuzz/found/$name" "$corpus" > "$logs/fuzz-$name.log" 2>&1 &
    pids+=($!)
  done
  local failed=0 summary=() i
  for i in "${!names[@]}"; do
    if ! wait "${pids[$i]}"; then
      echo "fuzz target ${names[$i]} failed; its input is in build-fuzz/found/:"
      tail -n 60 "$logs/fuzz-${names[$i]}.log"
      failed=1
    fi
    summary+=("${names[$i]} $(grep -Eo 'Done [0-9]+ runs' "$logs/fuzz-${names[$i]}.log" | grep -Eo '[0-9]+' || echo no) runs")
  done
  echo "$(IFS=';'; echo "${summary[*]}") in ${fuzz_seconds} s each, no crash" > "$logs/fuzz.result"
  return $failed
}

soak() {
  timeout $((soak_seconds + 600)) /usr/bin/python3 tools/soak/soak.py --program build-asan/app/tolvenn \
    --seconds "$soak_seconds" --log-dir "$logs/soak"
  tail -n 1 "$logs/soak.log" | sed 's/^soak: //' > "$logs/soak.result"
}

desktop() {
  reuse lint
  appstreamcli validate --no-net resources/*.metainfo.xml
  desktop-file-validate resources/*.desktop
  echo "reuse lint, appstreamcli validate and desktop-file-validate pass" > "$logs/desktop.result"
}

stage desktop desktop
stage nogui nogui
stage asan asan
stage sim sim
stage fuzz fuzz
stage soak soak
echo "release  the test suite of $build:"
ctest --test-dir "$build" --output-on-failure -j "$jobs" --timeout 300
