#!/usr/bin/python3
# SPDX-FileCopyrightText: The Tolvenn developers
# SPDX-License-Identifier: MIT
"""Drives the real aquarium window under Xvfb as a restless user would, for a while.

Random scoops and right clicks, typed input in the dialogs (huge, negative, empty, long
Japanese and emoji names), choices in the window menu, speed changes, window operations
and key mashing. Fails (exit 1) on a crash, a hang (the window stops answering the window
manager's ping), a sanitizer report or a non-zero exit; the run is repeated whenever the
window gets closed before the time is up. Needs python3-xlib, xdotool, wmctrl, Xvfb and
openbox.

    tools/soak/soak.py --program build-asan/app/tolvenn --seconds 60
"""

import argparse
import collections
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from Xlib import X, display as xdisplay, error as xerror
from Xlib.protocol import event as xevent

MAIN_TITLE = "Tolvenn"
# The modal dialogs the soak can meet, by their captions in either language (the original
# texts, and their English translations).
DIALOG_TITLES = ("生き物設定", "SPEED", "ABOUT", "Creature settings", "Speed", "About Tolvenn",
                 "Open tank", "Save tank", "水槽を開く", "水槽を保存")
# Every wait has a bound, so that nothing here can hang a CI job.
COMMAND_TIMEOUT = 20
START_TIMEOUT = 60
PING_TIMEOUT = 30
EXIT_TIMEOUT = 90
# The window manager closes a window on Alt+F4 and focuses it on a click; it has no menus
# or other keys of its own, so that every other key and click reaches the program.
OPENBOX_CONFIG = """<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <keyboard><keybind key="A-F4"><action name="Close"/></keybind></keyboard>
  <mouse>
    <context name="Client">
      <mousebind button="Left" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
      <mousebind button="Right" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
    </context>
  </mouse>
</openbox_config>
"""
REPORT = re.compile(r"ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:|SUMMARY: \w+Sanitizer")

TYPED = [
    "", "0", "1", "-1", "42", "  +42 days", "-5x", "2147483647", "2147483648", "-2147483648",
    "-99999999999", "99999999999999999999", "00000000001234", "1e9", "0x7fffffff", "abc",
    "きんぎょ", "ぽち" * 30, "あいうえおかきくけこさしすせそたちつてと" * 3, "🐟🐠🐡🦈🐙" * 12,
    "a🐟あ" * 15, "x" * 200, "金魚\tタブ", "ｘ１２３",
]
MASH_KEYS = ["a", "z", "1", "space", "BackSpace", "Delete", "Left", "Right", "Up", "Down",
             "Home", "End", "Prior", "Next", "F1", "F10", "Escape", "Return", "Tab", "ctrl+a",
             "shift+Tab", "alt+space"]


class Failure(Exception):
    pass


class Soak:
    def __init__(self, args):
        self.args = args
        self.rng = random.Random(args.seed)
        self.log_dir = args.log_dir or tempfile.mkdtemp(prefix="tolvenn-soak-")
        os.makedirs(self.log_dir, exist_ok=True)
        self.helpers = []
        self.env = dict(os.environ)
        self.x = None
        self.process = None
        self.log_path = None
        self.window = None
        self.recent = []
        self.dialogs = collections.Counter()
        self.actions = 0
        self.runs = 0

    # ---- the X server, the window manager and the program ----------------------------

    def start_display(self):
        if self.args.display:
            self.env["DISPLAY"] = self.args.display
        else:
            read_end, write_end = os.pipe()
            xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                                     "-nolisten", "tcp"], pass_fds=(write_end,),
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            os.close(write_end)
            self.helpers.append(xvfb)
            number = self.read_display_number(read_end)
            self.env["DISPLAY"] = ":" + number
        self.x = xdisplay.Display(self.env["DISPLAY"])
        if not self.window_manager_running():
            config = os.path.join(self.log_dir, "openbox.xml")
            with open(config, "w") as f:
                f.write(OPENBOX_CONFIG)
            wm = subprocess.Popen(["openbox", "--config-file", config], env=self.env,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self.helpers.append(wm)
            deadline = time.monotonic() + START_TIMEOUT
            while not self.window_manager_running():
                if time.monotonic() > deadline:
                    raise Failure("the window manager did not start")
                time.sleep(0.2)
        root = self.x.screen().root
        # The toolkit sends its answers to pings to the root window, to those who listen
        # there for structure changes.
        root.change_attributes(event_mask=X.StructureNotifyMask)
        self.x.flush()

    @staticmethod
    def read_display_number(fd):
        deadline = time.monotonic() + START_TIMEOUT
        text = b""
        os.set_blocking(fd, False)
        while not text.endswith(b"\n"):
            if time.monotonic() > deadline:
                raise Failure("Xvfb did not start")
            try:
                chunk = os.read(fd, 16)
            except BlockingIOError:
                time.sleep(0.05)
                continue
            if not chunk:
                raise Failure("Xvfb did not start")
            text += chunk
        os.close(fd)
        return text.decode().strip()

    def window_manager_running(self):
        root = self.x.screen().root
        check = root.get_full_property(self.atom("_NET_SUPPORTING_WM_CHECK"), X.AnyPropertyType)
        return bool(check and len(check.value))

    def start_program(self):
        self.runs += 1
        self.log_path = os.path.join(self.log_dir, "run%d.log" % self.runs)
        command = [self.args.program] + self.args.program_args
        # A desktop session has a session bus; without one the toolkit's accessibility
        # bridge tries to start one and leaks inside the D-Bus library.
        if shutil.which("dbus-run-session"):
            command = ["dbus-run-session", "--"] + command
        env = dict(self.env)
        env.setdefault("ASAN_OPTIONS", "detect_leaks=1:halt_on_error=1")
        env.setdefault("UBSAN_OPTIONS", "print_stacktrace=1:halt_on_error=1")
        with open(self.log_path, "wb") as log:
            self.process = subprocess.Popen(command, env=env, stdout=log, stderr=subprocess.STDOUT,
                                            start_new_session=True)
        deadline = time.monotonic() + START_TIMEOUT
        self.window = None
        while self.window is None:
            self.check_alive("while starting")
            if time.monotonic() > deadline:
                raise Failure("the window did not appear within %d s" % START_TIMEOUT)
            self.window = self.find_client(MAIN_TITLE)
            time.sleep(0.2)
        self.note("run %d started (pid %d)" % (self.runs, self.process.pid))

    def check_alive(self, when):
        status = self.process.poll()
        if status is not None:
            self.finished(status, when)
            return False
        return True

    def finished(self, status, when):
        """The program has ended: anything but a clean exit without a report fails."""
        report = self.sanitizer_report()
        if report:
            raise Failure("sanitizer report %s:\n%s" % (when, report))
        if status != 0:
            raise Failure("the program exited with status %d %s" % (status, when))
        self.process = None
        self.window = None

    def sanitizer_report(self):
        with open(self.log_path, "rb") as f:
            text = f.read().decode("utf-8", "replace")
        match = REPORT.search(text)
        if not match:
            return ""
        start = text.rfind("\n", 0, max(0, match.start() - 200)) + 1
        return text[start:start + 6000]

    def close_program(self):
        """Closes the window through its menu, as a user would, or else through the window
        manager, and checks the exit. A dialog that is still open, or opens late, is
        cancelled first."""
        deadline = time.monotonic() + EXIT_TIMEOUT
        next_try = 0
        attempts = 0
        while self.process.poll() is None:
            now = time.monotonic()
            if now > deadline:
                self.kill("the program did not exit within %d s of being closed" % EXIT_TIMEOUT)
            if now >= next_try:
                try:
                    if self.open_dialog():
                        self.key("Escape")
                        next_try = now + 1
                    else:
                        attempts += 1
                        self.activate()
                        if self.popup_open():
                            self.key("Escape")
                        if attempts % 2 and self.open_window_menu():
                            self.key("Up", "Up", "Up", "Return")
                        else:
                            self.run(["wmctrl", "-i", "-c", hex(self.window)])
                        next_try = now + 10
                except xerror.XError:
                    pass  # the window is going
            time.sleep(0.2)
        self.finished(self.process.returncode, "at exit")

    def kill(self, reason):
        stacks = ""
        if shutil.which("gdb"):
            pid = self.program_pid()
            try:
                stacks = subprocess.run(["gdb", "-batch", "-p", str(pid), "-ex", "thread apply all bt 30"],
                                        capture_output=True, text=True, timeout=60).stdout[-8000:]
            except subprocess.TimeoutExpired:
                stacks = "(gdb timed out)"
        os.killpg(self.process.pid, signal.SIGKILL)
        self.process.wait(timeout=COMMAND_TIMEOUT)
        raise Failure(reason + ("\nstacks:\n" + stacks if stacks else ""))

    def program_pid(self):
        prop = self.x.create_resource_object("window", self.window).get_full_property(
            self.atom("_NET_WM_PID"), X.AnyPropertyType)
        return int(prop.value[0]) if prop else self.process.pid

    def stop_helpers(self):
        if self.process and self.process.poll() is None:
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait(timeout=COMMAND_TIMEOUT)
        for helper in reversed(self.helpers):
            helper.terminate()
            try:
                helper.wait(timeout=COMMAND_TIMEOUT)
            except subprocess.TimeoutExpired:
                helper.kill()

    # ---- what is on the screen ----------------------------------------------------------

    def atom(self, name):
        return self.x.intern_atom(name)

    def clients(self):
        root = self.x.screen().root
        prop = root.get_full_property(self.atom("_NET_CLIENT_LIST"), X.AnyPropertyType)
        return list(prop.value) if prop else []

    def title(self, wid):
        try:
            prop = self.x.create_resource_object("window", wid).get_full_property(
                self.atom("_NET_WM_NAME"), self.atom("UTF8_STRING"))
        except xerror.XError:
            return ""
        if not prop:
            return ""
        value = prop.value
        return value.decode("utf-8", "replace") if isinstance(value, bytes) else str(value)

    def find_client(self, title):
        for wid in self.clients():
            if self.title(wid) == title:
                return wid
        return None

    def open_dialog(self):
        for wid in self.clients():
            if self.title(wid) in DIALOG_TITLES:
                return wid
        return None

    def popup_open(self):
        """A menu of the program (an unmanaged window) is showing."""
        for child in self.x.screen().root.query_tree().children:
            try:
                attributes = child.get_attributes()
                if attributes.override_redirect and attributes.map_state == X.IsViewable:
                    geometry = child.get_geometry()
                    if geometry.width > 1 and geometry.height > 1:
                        return True
            except xerror.XError:
                pass  # gone meanwhile
        return False

    def size(self, wid):
        geometry = self.x.create_resource_object("window", wid).get_geometry()
        return geometry.width, geometry.height

    def responds(self):
        """Sends the window manager's ping to the main window and waits for the answer."""
        root = self.x.screen().root
        token = self.rng.randrange(1, 1 << 31)
        protocols = self.atom("WM_PROTOCOLS")
        ping = self.atom("_NET_WM_PING")
        window = self.x.create_resource_object("window", self.window)
        window.send_event(xevent.ClientMessage(window=window, client_type=protocols,
                                               data=(32, [ping, token, self.window, 0, 0])), event_mask=0)
        self.x.flush()
        deadline = time.monotonic() + PING_TIMEOUT
        while time.monotonic() < deadline:
            while self.x.pending_events():
                e = self.x.next_event()
                if (e.type == X.ClientMessage and e.window == root and e.client_type == protocols
                        and e.data[1][0] == ping and e.data[1][1] == token):
                    return True
            if self.process.poll() is not None:
                return True
            time.sleep(0.05)
        return False

    # ---- input ----------------------------------------------------------------------------

    def run(self, command):
        try:
            subprocess.run(command, env=self.env, timeout=COMMAND_TIMEOUT,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        except subprocess.TimeoutExpired:
            raise Failure("the X command %s took over %d s" % (command[:3], COMMAND_TIMEOUT))

    def xdotool(self, *words):
        self.run(["xdotool"] + [str(w) for w in words])

    def key(self, *names):
        self.xdotool("key", "--delay", "30", *names)

    def type_text(self, text):
        self.xdotool("key", "ctrl+a", "BackSpace")
        if text:
            self.xdotool("type", "--delay", "5", "--", text)

    def click(self, x, y, button, hold=0.0):
        self.xdotool("mousemove", "--window", self.window, x, y)
        self.xdotool("mousedown", button)
        time.sleep(hold)
        self.xdotool("mouseup", button)

    def client_point(self):
        width, height = self.size(self.window)
        # Below the menu bar, inside the scroll bars.
        return self.rng.randint(4, max(5, width - 24)), self.rng.randint(28, max(29, height - 24))

    def creature_point(self):
        """A point on something that is not water, when the window shows one."""
        width, height = self.size(self.window)
        try:
            image = self.x.create_resource_object("window", self.window).get_image(
                0, 0, width, height, X.ZPixmap, 0xFFFFFFFF)
        except xerror.XError:
            return self.client_point()
        data = image.data
        for _ in range(2000):
            x, y = self.client_point()
            i = (y * width + x) * 4
            # Pixels are blue, green, red, pad; the water is cyan.
            if i + 3 <= len(data) and data[i:i + 3] != b"\xff\xff\x00":
                return x, y
        return self.client_point()

    def hidden(self):
        prop = self.x.create_resource_object("window", self.window).get_full_property(
            self.atom("_NET_WM_STATE"), X.AnyPropertyType)
        return bool(prop) and self.atom("_NET_WM_STATE_HIDDEN") in prop.value

    def activate(self):
        self.run(["wmctrl", "-i", "-a", hex(self.window)])
        time.sleep(0.1)

    def open_window_menu(self):
        """Clicks the menu button; true once the menu shows (a busy program may take a while)."""
        self.xdotool("mousemove", "--window", self.window, 30, 8, "click", "1")
        return self.wait_for_popup(5)

    def wait_for_popup(self, seconds):
        deadline = time.monotonic() + seconds
        while not self.popup_open():
            if time.monotonic() >= deadline:
                return False
            time.sleep(0.1)
        return True

    # ---- the actions ----------------------------------------------------------------------

    def note(self, text):
        self.recent = (self.recent + [text])[-40:]
        if self.args.verbose:
            print("soak:", text, flush=True)

    def scoop(self):
        x, y = self.creature_point() if self.rng.random() < 0.5 else self.client_point()
        hold = self.rng.choice([0.0, 0.05, 0.3])
        self.note("scoop at %d,%d held %.2f s" % (x, y, hold))
        self.click(x, y, 1, hold)

    def right_click(self):
        x, y = self.creature_point()
        self.note("right click at %d,%d" % (x, y))
        self.click(x, y, 3)
        self.work_dialog()

    def window_menu(self):
        steps = self.rng.choice([["Up"], ["Up"] * 2, ["Up"] * 4, ["Up"] * 5, ["Down"], ["Down"] * 2, ["Escape"]])
        by_keyboard = self.rng.random() < 0.3
        self.note("window menu (%s): %s" % ("alt+space" if by_keyboard else "button", " ".join(steps)))
        if by_keyboard:
            self.activate()
            self.key("alt+space")
            self.wait_for_popup(5)
        else:
            self.open_window_menu()
        self.key(*steps)
        if steps[0] != "Escape":
            self.key("Return")
        self.work_dialog(2.0 if steps[0] == "Up" else 0.3)

    def speed(self):
        self.note("speed dialog")
        if not self.open_window_menu():
            return
        self.key("Up", "Up", "Return")
        dialog = self.wait_for_dialog(2.0)
        if dialog:
            self.dialogs[self.title(dialog)] += 1
            # The bar is the third stop, after OK and Cancel.
            self.key("Tab", "Tab", self.rng.choice(["Home", "End", "Prior", "Next", "Left", "Right"]))
            self.key("Tab", self.rng.choice(["space", "Escape"]))
        self.work_dialog(0.3)

    def wait_for_dialog(self, seconds):
        deadline = time.monotonic() + seconds
        while True:
            dialog = self.open_dialog()
            if dialog or time.monotonic() >= deadline:
                return dialog
            time.sleep(0.1)

    def work_dialog(self, wait=2.0):
        """Whatever dialog is open, or opens within `wait` seconds, gets random keys and
        typed text, and is then ended."""
        dialog = self.wait_for_dialog(wait)
        if dialog:
            self.dialogs[self.title(dialog)] += 1
        for step in range(12):
            dialog = self.open_dialog()
            if not dialog:
                return
            if step >= 8:
                self.note("ending dialog %s" % self.title(dialog))
                self.key(self.rng.choice(["Escape", "Return"]))
                time.sleep(0.2)
                continue
            choice = self.rng.random()
            if choice < 0.45:
                self.key(*(["Tab"] * self.rng.randint(0, 4)))
                text = self.rng.choice(TYPED)
                self.note("type %r" % text[:40])
                self.type_text(text)
            elif choice < 0.75:
                keys = [self.rng.choice(["Tab", "shift+Tab", "Left", "Right", "Home", "End", "Prior", "Next"])
                        for _ in range(self.rng.randint(1, 5))]
                self.note("dialog keys %s" % " ".join(keys))
                self.key(*keys)
            else:
                end = self.rng.choice(["Return", "Escape", "space", "alt+F4"])
                self.note("dialog %s" % end)
                self.key(end)
                time.sleep(0.2)

    def window_operation(self):
        wid = hex(self.window)
        op = self.rng.choice(["maximize", "minimize", "restore", "resize", "move"])
        self.note("window %s" % op)
        if op == "maximize":
            self.run(["wmctrl", "-i", "-r", wid, "-b", "toggle,maximized_vert,maximized_horz"])
        elif op == "minimize":
            self.xdotool("windowminimize", self.window)
            time.sleep(0.3)
        elif op == "resize":
            self.xdotool("windowsize", self.window, self.rng.randint(60, 1400), self.rng.randint(40, 1100))
        elif op == "move":
            self.xdotool("windowmove", self.window, self.rng.randint(-200, 1000), self.rng.randint(-100, 800))
        self.activate()

    def wheel_and_mash(self):
        x, y = self.client_point()
        keys = [self.rng.choice(MASH_KEYS) for _ in range(self.rng.randint(1, 8))]
        self.note("wheel and keys %s" % " ".join(keys))
        self.xdotool("mousemove", "--window", self.window, x, y, "click", "--repeat", self.rng.randint(1, 4),
                     self.rng.choice([4, 5]))
        self.key(*keys)
        self.work_dialog(0.3)

    # ---- the whole soak -------------------------------------------------------------------

    def act(self):
        if self.hidden():
            self.note("restore the minimized window")
            self.activate()
        if self.open_dialog():
            # A dialog that opened late.
            self.work_dialog(0)
            return
        if self.popup_open():
            # A menu that the key mashing opened would eat the next click.
            self.note("close the open menu")
            self.key("Escape")
        action = self.rng.choices(
            [self.scoop, self.right_click, self.window_menu, self.speed, self.window_operation, self.wheel_and_mash],
            weights=[30, 25, 10, 8, 12, 15])[0]
        action()
        self.actions += 1

    def soak(self):
        deadline = time.monotonic() + self.args.seconds
        self.start_display()
        last_ping = time.monotonic()
        while time.monotonic() < deadline:
            if self.process is None:
                self.start_program()
                last_ping = time.monotonic()
            try:
                self.act()
            except xerror.XError:
                pass  # the window went away under the action; the check below tells why
            if not self.check_alive("after: " + self.recent[-1]):
                self.note("the window was closed; starting again")
                continue
            if time.monotonic() - last_ping > 5:
                if not self.responds():
                    self.kill("hang: the window did not answer a ping within %d s" % PING_TIMEOUT)
                last_ping = time.monotonic()
        if self.process is None:
            self.start_program()
        self.close_program()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--program", required=True, help="the aquarium's binary")
    parser.add_argument("--seconds", type=float, default=0, help="how long to soak")
    parser.add_argument("--minutes", type=float, default=0, help="how long to soak, in minutes")
    parser.add_argument("--seed", type=int, default=None, help="seed of the random actions (default: random)")
    parser.add_argument("--display", help="use this X display instead of starting Xvfb")
    parser.add_argument("--log-dir", help="where the program's output is kept")
    parser.add_argument("--verbose", action="store_true", help="print every action")
    parser.add_argument("program_args", nargs="*", help="arguments for the program (after --)")
    args = parser.parse_args()
    args.seconds += args.minutes * 60
    if args.seconds <= 0:
        parser.error("give --seconds or --minutes")
    if args.seed is None:
        args.seed = random.randrange(1 << 31)
    for tool in ["xdotool", "wmctrl"] + ([] if args.display else ["Xvfb", "openbox"]):
        if not shutil.which(tool):
            parser.error("%s is not installed" % tool)

    def stop(signum, frame):
        raise Failure("stopped by signal %d" % signum)

    # A time limit from outside still takes the X server and the program down with us.
    signal.signal(signal.SIGTERM, stop)
    soak = Soak(args)
    started = time.monotonic()
    try:
        soak.soak()
    except Failure as failure:
        print("soak: FAILED (seed %d) after %d actions in %d runs: %s" % (args.seed, soak.actions, soak.runs, failure))
        print("soak: last actions:\n  " + "\n  ".join(soak.recent))
        print("soak: program output in %s" % soak.log_dir)
        return 1
    finally:
        soak.stop_helpers()
    dialogs = ", ".join("%s %d" % item for item in sorted(soak.dialogs.items())) or "none"
    print("soak: passed: %d actions in %d runs over %.0f s (seed %d; dialogs worked: %s), no crash, hang, "
          "sanitizer report or failed exit" % (soak.actions, soak.runs, time.monotonic() - started, args.seed, dialogs))
    return 0


if __name__ == "__main__":
    sys.exit(main())
