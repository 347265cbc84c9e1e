#pragma once

#include "ui/SimulationTimer.h"

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
    // --speed MS, --run-for SECONDS, --stats: the starting timer period, a run that closes
    // by itself after that long (0: it does not), and a line of figures at exit.
    int TimerInterval = kDefaultTimerInterval;
    int RunForSeconds = 0;
    bool Stats = false;
};

// Reads the arguments, program name first. An optional positional number from 50 to 800,
// written as plain decimal digits, is the tank's capacity; anything else there is reported
// and the screen rule applies. An unknown option, a bad option value or a second
// positional argument is an error; options never count as the capacity. --help and
// --version win over everything else.
TCommandLine ReadCommandLine(const std::vector<std::string>& arguments);

std::string UsageText(const std::string& program);
