#!/usr/bin/python3
# SPDX-FileCopyrightText: The Tolvenn developers
# SPDX-License-Identifier: MIT
"""Screensaver mode, as an X screensaver uses it: makes a window of its own, runs
`tolvenn --window-id ID` in it, checks that the tank's water and creatures appear inside
that window, then ends the program once by destroying the window and once by SIGTERM, and
checks that it leaves cleanly both times. Starts its own Xvfb unless DISPLAY is given with
--display. Exit 77 when Xvfb or python3-xlib is missing (the test is skipped)."""

import argparse
import os
import shutil
import signal
import subprocess
import sys
import time

try:
    from Xlib import X, display as xdisplay
    from Xlib.error import BadMatch
except ImportError:
    print("python3-xlib is missing; skipped")
    sys.exit(77)

WATER = (0, 255, 255)


def start_xvfb():
    if not shutil.which("Xvfb"):
        print("Xvfb is missing; skipped")
        sys.exit(77)
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                              pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    # The number arrives with a newline once the server takes connections.
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            break
        number += chunk
    os.close(read_end)
    return server, ":" + number.decode().strip()


def make_host(dpy, width, height):
    screen = dpy.screen()
    window = screen.root.create_window(40, 30, width, height, 0, screen.root_depth, X.InputOutput, X.CopyFromParent,
                                       background_pixel=screen.black_pixel, event_mask=X.StructureNotifyMask)
    window.map()
    dpy.sync()
    return window


def colours(dpy, window, width, height):
    """How many pixels of the window show the water, and how many something else but black."""
    try:
        image = window.get_image(0, 0, width, height, X.ZPixmap, 0xFFFFFFFF)
    except BadMatch:  # not on show yet
        return 0, 0
    data = image.data
    water = other = 0
    for i in range(0, len(data), 4):
        b, g, r = data[i], data[i + 1], data[i + 2]
        if (r, g, b) == WATER:
            water += 1
        elif (r, g, b) != (0, 0, 0):
            other += 1
    return water, other


def wait_for(predicate, seconds):
    end = time.time() + seconds
    while time.time() < end:
        if predicate():
            return True
        time.sleep(0.1)
    return False


def run_once(program, dpy, env, ending):
    width, height = 480, 320
    host = make_host(dpy, width, height)
    proc = subprocess.Popen([program, "--window-id", hex(host.id), "--seed", "11"], env=env,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    shown = {}

    def creatures_seen():
        shown["counts"] = colours(dpy, host, width, height)
        water, other = shown["counts"]
        return water > width * height // 2 and other > 200

    ok = wait_for(creatures_seen, 15)
    if not ok:
        proc.kill()
        print("FAIL: no tank in the window: water and creature pixels", shown.get("counts"))
        print(proc.communicate()[1].decode(errors="replace"))
        return False
    print("window %s: %d water pixels, %d creature pixels" % (hex(host.id), *shown["counts"]))
    if ending == "destroy":
        host.destroy()
        dpy.sync()
    else:
        proc.send_signal(signal.SIGTERM)
    try:
        _, err = proc.communicate(timeout=10)
    except subprocess.TimeoutExpired:
        proc.kill()
        print("FAIL: still running 10 s after", ending)
        return False
    if proc.returncode != 0:
        print("FAIL: exit status %d after %s" % (proc.returncode, ending))
        print(err.decode(errors="replace"))
        return False
    if ending != "destroy":
        host.destroy()
        dpy.sync()
    print("ended cleanly after", ending)
    return True


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("program", help="path to the tolvenn binary")
    parser.add_argument("--display", help="use this X display instead of starting Xvfb")
    args = parser.parse_args()

    server = None
    name = args.display
    if not name:
        server, name = start_xvfb()
    try:
        dpy = xdisplay.Display(name)
        env = dict(os.environ, DISPLAY=name, QT_QPA_PLATFORM="xcb")
        env.pop("XSCREENSAVER_WINDOW", None)
        ok = run_once(args.program, dpy, env, "destroy") and run_once(args.program, dpy, env, "SIGTERM")
    finally:
        if server:
            server.terminate()
            server.wait()
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
