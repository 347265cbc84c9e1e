// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "app/CommandLine.h"

#include "base/text/Quoted.h"
#include "platform/services/CommandLineParser.h"
#include "sim/TankLimits.h"

#include <charconv>
#include <cstdint>

namespace {

// Digits only: no sign, no space, no fraction, no trailing letters.
bool ReadPlainDecimal(const std::string& text, int& value)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// Plain decimal digits, or 0x and hex digits, as X programs write window ids.
bool ReadWindowId(const std::string& text, std::uint64_t& value)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    if (digits.empty() || digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") != std::string::npos)
        return false;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
    return error == std::errc() && end == digits.data() + digits.size() && value != 0;
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

// --lang names one of the window's languages.
std::string ReadLanguage(const TCommandLineParser& parser, TCommandLine& line)
{
    if (!parser.IsSet("lang"))
        return {};
    line.Language = parser.Value("lang");
    if (line.Language == "ja" || line.Language == "en")
        return {};
    return "--lang takes ja or en, not " + Quoted(line.Language);
}

}  // namespace

TCommandLine ReadCommandLine(const std::vector<std::string>& arguments, const char* screensaverWindow)
{
    TCommandLineParser parser;
    parser.AddOption({"help", "h"});
    parser.AddOption({"version"});
    parser.AddOption({"lang"}, "LANG");
    parser.AddOption({"seed"}, "N");
    parser.AddOption({"open"}, "FILE");
    parser.AddOption({"paused"});
    parser.AddOption({"mute"});
    parser.AddOption({"fullscreen"});
    parser.AddOption({"zoom"}, "N");
    parser.AddOption({"window-id"}, "ID");
    parser.AddOption({"root"});
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
    if (std::string error = ReadLanguage(parser, line); !error.empty())
        return Failed(std::move(error));

    if (parser.IsSet("seed")) {
        std::uint64_t seed = 0;
        const std::string text = parser.Value("seed");
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
        if (text.empty() || text[0] == '+' || error != std::errc() || end != text.data() + text.size() ||
            seed > std::uint64_t(UINT32_MAX))
            return Failed("--seed wants a number from 0 to 4294967295, not " + Quoted(text));
        line.Seed = std::uint32_t(seed);
    }
    if (parser.IsSet("zoom") &&
        (!ReadPlainDecimal(parser.Value("zoom"), line.Zoom) || line.Zoom < 1 || line.Zoom > kMaxZoom))
        return Failed("--zoom wants a whole number from 1 to " + std::to_string(kMaxZoom) + ", not " +
                      Quoted(parser.Value("zoom")));
    line.Paused = parser.IsSet("paused");
    line.Mute = parser.IsSet("mute");
    line.FullScreen = parser.IsSet("fullscreen");

    std::uint64_t windowId = 0;
    if (parser.IsSet("window-id")) {
        if (!ReadWindowId(parser.Value("window-id"), windowId))
            return Failed("--window-id wants a window number (decimal or 0x hex), not " +
                          Quoted(parser.Value("window-id")));
        line.WindowId = windowId;
    } else if (screensaverWindow && *screensaverWindow) {
        if (!ReadWindowId(screensaverWindow, windowId))
            return Failed("XSCREENSAVER_WINDOW is not a window number: " + Quoted(screensaverWindow));
        line.WindowId = windowId;
    } else {
        line.RootWindow = parser.IsSet("root");
    }
    if (std::string error = ReadRunOptions(parser, line); !error.empty())
        return Failed(std::move(error));

    std::vector<std::string> positional = parser.Positional();
    positional.insert(positional.end(), negatives.begin(), negatives.end());
    if (positional.size() > 1)
        return Failed("one capacity at most, but also got " + Quoted(positional[1]));
    if (parser.IsSet("open")) {
        line.OpenPath = parser.Value("open");
        if (line.OpenPath.empty())
            return Failed("--open wants the name of a tank file");
        if (line.Seed)
            return Failed("--open takes the seed from the file; leave out --seed");
        if (!positional.empty())
            return Failed("--open takes the capacity from the file; leave out " + Quoted(positional[0]));
    }
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
           "  CAPACITY        how many creatures the tank holds, 50 to 800\n"
           "                  (default: by the tank's width, 100, 150 or 400)\n"
           "  --seed N        seed the random numbers with N (0 to 4294967295) instead of\n"
           "                  the clock: the same founders and run as tolvenn-sim --seed N\n"
           "  --open FILE     start from a saved tank instead of the founders; the file fixes\n"
           "                  the seed, tank size and capacity\n"
           "  --paused        start with the tank paused\n"
           "  --mute          start with every sound off\n"
           "  --fullscreen    start full screen\n"
           "  --zoom N        show every pixel of the tank as N x N pixels, 1 to 4\n"
           "  --window-id ID  screensaver mode: draw inside the X window ID (decimal or 0x\n"
           "                  hex; also taken from XSCREENSAVER_WINDOW), without menus,\n"
           "                  sounds or dialogs, until that window goes or SIGTERM\n"
           "  --root          screensaver mode on the screen's root window\n"
           "  --lang LANG     the window's language, ja or en (default: from the locale)\n"
           "  --speed MS      the timer's period at start, " + std::to_string(kMinTimerInterval) + " (fast) to " +
           std::to_string(kMaxTimerInterval) + " ms (default " + std::to_string(kDefaultTimerInterval) + ")\n" +
           "  --run-for SECONDS\n"
           "                  close by itself after that many seconds\n"
           "  --stats         at exit, print ticks, seconds, ticks a second, population\n"
           "                  and processor milliseconds a tick on standard error\n"
           "  --help          show this text\n"
           "  --version       show the version\n"
           "Left button: scoop creatures out. Right button: a creature's settings.\n"
           "Space pauses, '.' steps one tick while paused, F2 opens the census, F11 full\n"
           "screen, Ctrl+S saves the tank and Ctrl+O opens one. The window menu has these,\n"
           "the speed, mute and zoom.\n";
}
