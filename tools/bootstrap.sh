#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tolvenn developers
# SPDX-License-Identifier: MIT
# Installs what is missing (Debian 12), builds, and then either runs the aquarium or
# runs every test.
#
#   tools/bootstrap.sh run [CAPACITY]   build and open the aquarium
#   tools/bootstrap.sh test             build and run every check (tools/checks.sh): the
#                                       test suite plain, Qt-free and under the sanitizers,
#                                       a long headless run, the fuzz targets and a soak
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake make g++ pkg-config qt6-base-dev qt6-multimedia-dev libpulse-dev qt6-qpa-plugins libgtest-dev libxcb1-dev libxcb-shm0-dev
          zlib1g-dev fonts-ipafont-gothic fonts-ipafont-mincho xvfb python3-xlib time)
# The translations (Qt Linguist tools, Qt's own catalogues) and the Wayland platform.
packages+=(qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-wayland)
if [ "${1:-run}" = test ]; then
  # clang's libFuzzer for the fuzz targets; a virtual screen, a window manager, input
  # tools and a session bus for the soak; gdb for the stacks of a hung program; the
  # licensing, metainfo and desktop-entry checkers.
  packages+=(ccache clang libclang-rt-14-dev xvfb openbox xdotool wmctrl python3 python3-xlib
             dbus-daemon gdb reuse appstream desktop-file-utils)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build=build
launcher=()
if command -v ccache > /dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" > /dev/null

case "${1:-run}" in
  run)
    shift || true
    # Only what running needs, not the tests.
    cmake --build "$build" -j "$(nproc)" --target tolvenn tolvenn-sim
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
      echo "No display found: running the headless simulator instead."
      "$build/tools/tolvenn-sim" --seed 1 --ticks 2000 --png "$build/tank.png" --census - --every 500
      echo "The tank's picture is in $build/tank.png"
    else
      exec "$build/app/tolvenn" "$@"
    fi
    ;;
  test)
    cmake --build "$build" -j "$(nproc)"
    exec bash tools/checks.sh "$build"
    ;;
  *)
    echo "usage: $0 run [CAPACITY] | test" >&2
    exit 2
    ;;
esac
