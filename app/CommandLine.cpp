#include "app/CommandLine.h"

#include "base/text/Decimal.h"
#include "sim/Capacity.h"

#include <cstring>

TCommandLine ReadCommandLine(int argc, const char* const* argv)
{
    TCommandLine line;
    if (argc != 2)
        return line;
    const char* arg = argv[1];
    if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
        line.Action = TCommandLine::TAction::Help;
        return line;
    }
    if (std::strcmp(arg, "--version") == 0) {
        line.Action = TCommandLine::TAction::Version;
        return line;
    }
    const int value = DecimalValue(arg);
    if (IsAllowedCapacity(value))
        line.Capacity = value;
    else
        line.Warning = std::string("tolvenn: capacity \"") + arg +
                       "\" not taken (a number from " + std::to_string(kMinCapacity) + " to " +
                       std::to_string(kMaxCapacity) + " is); the screen width decides";
    return line;
}

std::string UsageText(const char* program)
{
    return std::string("usage: ") + (program ? program : "tolvenn") +
           " [CAPACITY]\n"
           "An aquarium of small creatures that swim, breed and die in a window.\n"
           "  CAPACITY    how many creatures the tank holds, 50 to 800\n"
           "              (default: by screen width, 100, 150 or 400)\n"
           "  --help      show this text\n"
           "  --version   show the version\n"
           "Left button: scoop creatures out. Right button: a creature's settings.\n"
           "The window menu sets the speed.\n";
}
