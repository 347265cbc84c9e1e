#pragma once

#include <string>

// What the command line asks of start-up.
struct TCommandLine {
    enum class TAction { Run, Help, Version };
    TAction Action = TAction::Run;
    // The capacity given, or 0 when the screen width decides.
    int Capacity = 0;
    // Set when the argument was not taken; start-up prints it on stderr.
    std::string Warning;
};

// One decimal argument from 50 to 800 is the tank's capacity; anything else there is
// reported and the screen rule applies. Two or more arguments are ignored altogether.
TCommandLine ReadCommandLine(int argc, const char* const* argv);

std::string UsageText(const char* program);
