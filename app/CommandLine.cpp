#include "app/CommandLine.h"

#include "base/text/Quoted.h"
#include "platform/services/CommandLineParser.h"
#include "sim/Capacity.h"

#include <charconv>

namespace {

// Digits only: no sign, no space, no fraction, no trailing letters.
bool ReadPlainDecimal(const std::string& text, int& value)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

TCommandLine Failed(std::string message)
{
    TCommandLine line;
    line.Action = TCommandLine::TAction::Error;
    line.Error = "tolvenn: " + std::move(message);
    return line;
}

// The pace and measurement options: --speed, --run-for, --stats.
constexpr int kMaxRunForSeconds = 1000000;

void AddRunOptions(TCommandLineParser& parser)
{
    parser.AddOption({"speed"}, "MS");
    parser.AddOption({"run-for"}, "SECONDS");
    parser.AddOption({"stats"});
}

// A whole number from low to high for the named option, when given; an error text else.
std::string ReadRunOption(const TCommandLineParser& parser, const std::string& name, int low, int high, int& value)
{
    if (!parser.IsSet(name))
        return {};
    const std::string text = parser.Value(name);
    if (ReadPlainDecimal(text, value) && value >= low && value <= high)
        return {};
    return "--" + name + " takes a whole number from " + std::to_string(low) + " to " + std::to_string(high) +
           ", not " + Quoted(text);
}

std::string ReadRunOptions(const TCommandLineParser& parser, TCommandLine& line)
{
    line.Stats = parser.IsSet("stats");
    std::string error = ReadRunOption(parser, "speed", kMinTimerInterval, kMaxTimerInterval, line.TimerInterval);
    if (error.empty())
        error = ReadRunOption(parser, "run-for", 1, kMaxRunForSeconds, line.RunForSeconds);
    return error;
}

}  // namespace

TCommandLine ReadCommandLine(const std::vector<std::string>& arguments)
{
    TCommandLineParser parser;
    parser.AddOption({"help", "h"});
    parser.AddOption({"version"});
    AddRunOptions(parser);
    // A negative number is a capacity out of range, not an option.
    std::vector<std::string> options;
    std::vector<std::string> negatives;
    for (const std::string& argument : arguments)
        (argument.size() > 1 && argument[0] == '-' && argument[1] >= '0' && argument[1] <= '9' ? negatives : options)
            .push_back(argument);
    const bool parsed = parser.Parse(options);

    TCommandLine line;
    if (parser.IsSet("help")) {
        line.Action = TCommandLine::TAction::Help;
        return line;
    }
    if (parser.IsSet("version")) {
        line.Action = TCommandLine::TAction::Version;
        return line;
    }
    if (!parsed)
        return Failed(parser.Error());
    if (std::string error = ReadRunOptions(parser, line); !error.empty())
        return Failed(std::move(error));

    std::vector<std::string> positional = parser.Positional();
    positional.insert(positional.end(), negatives.begin(), negatives.end());
    if (positional.size() > 1)
        return Failed("one capacity at most, but also got " + Quoted(positional[1]));
    if (positional.size() == 1) {
        int value = 0;
        if (ReadPlainDecimal(positional[0], value) && IsAllowedCapacity(value))
            line.Capacity = value;
        else
            line.Warning = "tolvenn: capacity " + Quoted(positional[0]) + " not taken (a number from " +
                           std::to_string(kMinCapacity) + " to " + std::to_string(kMaxCapacity) +
                           " is); the screen width decides";
    }
    return line;
}

std::string UsageText(const std::string& program)
{
    return "usage: " + (program.empty() ? std::string("tolvenn") : program) +
           " [OPTION]... [CAPACITY]\n"
           "An aquarium of small creatures that swim, breed and die in a window.\n"
           "  CAPACITY    how many creatures the tank holds, 50 to 800\n"
           "              (default: by screen width, 100, 150 or 400)\n"
           "  --speed MS  the timer's period at start, " + std::to_string(kMinTimerInterval) + " (fast) to " +
           std::to_string(kMaxTimerInterval) + " ms (default " + std::to_string(kDefaultTimerInterval) + ")\n" +
           "  --run-for SECONDS\n"
           "              close by itself after that many seconds\n"
           "  --stats     at exit, print ticks, seconds, ticks a second, population\n"
           "              and processor milliseconds a tick on standard error\n"
           "  --help      show this text\n"
           "  --version   show the version\n"
           "Left button: scoop creatures out. Right button: a creature's settings.\n"
           "The window menu sets the speed.\n";
}
