// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/SimulationTimer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the command line asks of start-up.
struct TCommandLine {
    enum class TAction { Run, Help, Version, Error };
    TAction Action = TAction::Run;
    // The capacity given, or 0 when the screen width decides.
    int Capacity = 0;
    // Set when the capacity was not taken; start-up prints it on stderr and goes on.
    std::string Warning;
    // For TAction::Error: one line naming what is wrong.
    std::string Error;
    // --lang: "ja" or "en"; empty when the locale decides.
    std::string Language;

    // The generator's seed; none: the calendar time in seconds.
    std::optional<std::uint32_t> Seed;
    // A tank file to start from instead of the founders; empty: none. The file fixes the
    // seed, extent and capacity, so neither a seed nor a capacity may come with it.
    std::string OpenPath;
    bool Paused = false;
    bool Mute = false;
    bool FullScreen = false;
    // Whole pixels on the screen per pixel of the tank, 1 to 4.
    int Zoom = 1;
    // Screensaver mode: the tank is drawn inside this existing X window, or, with RootWindow,
    // on the screen's root window.
    std::optional<std::uint64_t> WindowId;
    bool RootWindow = false;
    bool IsScreensaver() const { return WindowId || RootWindow; }
    // --speed MS, --run-for SECONDS, --stats: the starting timer period, a run that closes
    // by itself after that long (0: it does not), and a line of figures at exit.
    int TimerInterval = kDefaultTimerInterval;
    int RunForSeconds = 0;
    bool Stats = false;
};

inline constexpr int kMaxZoom = 4;

// Reads the arguments, program name first. An optional positional number from 50 to 800,
// written as plain decimal digits, is the tank's capacity; anything else there is reported
// and the screen rule applies. An unknown option, a bad option value or a second
// positional argument is an error; options never count as the capacity. --help and
// --version win over everything else.
// `screensaverWindow` is the XSCREENSAVER_WINDOW variable (null when unset): an X
// screensaver names its window there, and it counts as --window-id unless that is given.
TCommandLine ReadCommandLine(const std::vector<std::string>& arguments, const char* screensaverWindow = nullptr);

std::string UsageText(const std::string& program);
