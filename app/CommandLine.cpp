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

TCommandLine ReadCommandLine(const std::vector<std::string>& arguments)
{
    TCommandLineParser parser;
    parser.AddOption({"help", "h"});
    parser.AddOption({"version"});
    parser.AddOption({"lang"}, "LANG");
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
           "  --lang LANG the window's language, ja or en (default: from the locale)\n"
           "  --help      show this text\n"
           "  --version   show the version\n"
           "Left button: scoop creatures out. Right button: a creature's settings.\n"
           "The window menu sets the speed.\n";
}
