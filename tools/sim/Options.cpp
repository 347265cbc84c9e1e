// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "tools/sim/Options.h"

#include "sim/TankLimits.h"
#include "base/text/Quoted.h"

#include <algorithm>
#include <charconv>

namespace {

// Plain decimal digits only, within [low, high].
bool ParseNumber(std::string_view text, std::uint64_t low, std::uint64_t high, std::uint64_t& out)
{
    if (text.empty() || text.size() > 19 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    std::uint64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    if (value < low || value > high)
        return false;
    out = value;
    return true;
}

bool ParseInt(std::string_view text, int low, int high, int& out)
{
    std::uint64_t value = 0;
    if (!ParseNumber(text, std::uint64_t(low), std::uint64_t(high), value))
        return false;
    out = int(value);
    return true;
}

bool ParseTank(std::string_view text, int& width, int& height)
{
    const auto x = text.find('x');
    return x != std::string_view::npos && ParseInt(text.substr(0, x), kMinTankSide, kMaxTankSide, width) &&
           ParseInt(text.substr(x + 1), kMinTankSide, kMaxTankSide, height);
}

TParsedCommand Failure(std::string message)
{
    TParsedCommand failed;
    failed.Action = TSimAction::Error;
    failed.Error = std::move(message);
    return failed;
}

// Applies one option with a value; returns what is wrong with it, or empty.
std::string Apply(std::string_view name, std::string_view value, TSimOptions& o)
{
    if (name == "--seed") {
        std::uint64_t seed = 0;
        if (!ParseNumber(value, 0, 4294967295u, seed))
            return "expects a number from 0 to 4294967295";
        o.Seed = std::uint32_t(seed);
        return {};
    }
    if (name == "--tank")
        return ParseTank(value, o.TankWidth, o.TankHeight)
                   ? ""
                   : "expects WxH, each from " + std::to_string(kMinTankSide) + " to " + std::to_string(kMaxTankSide);
    if (name == "--capacity") {
        int capacity = 0;
        if (!ParseInt(value, kMinCapacity, kMaxCapacity, capacity))
            return "expects a number from " + std::to_string(kMinCapacity) + " to " + std::to_string(kMaxCapacity);
        o.Capacity = capacity;
        return {};
    }
    if (name == "--ticks")
        return ParseInt(value, 0, 2147483647, o.Ticks) ? "" : "expects a number from 0 to 2147483647";
    if (name == "--every")
        return ParseInt(value, 1, 2147483647, o.Every) ? "" : "expects a number from 1 to 2147483647";

    std::string* path = name == "--state"          ? &o.StatePath
                        : name == "--census"       ? &o.CensusPath
                        : name == "--png"          ? &o.PngPath
                        : name == "--sprite-sheet" ? &o.SpriteSheetPath
                        : name == "--open"         ? &o.OpenPath
                        : name == "--save"         ? &o.SavePath
                                                   : nullptr;
    if (!path)
        return "is not an option";
    if (value.empty())
        return "expects a file name";
    *path = value;
    return {};
}

bool TakesValue(std::string_view name)
{
    for (std::string_view known : {"--seed", "--tank", "--capacity", "--ticks", "--every", "--state", "--census",
                                   "--png", "--sprite-sheet", "--open", "--save"})
        if (name == known)
            return true;
    return false;
}

}  // namespace

TParsedCommand ParseOptions(const std::vector<std::string>& args)
{
    TParsedCommand parsed;
    std::vector<std::string_view> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const auto equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        if (equals == std::string_view::npos) {
            if (arg == "--help")
                return {TSimAction::Help, {}, {}};
            if (arg == "--version")
                return {TSimAction::Version, {}, {}};
            if (arg == "--quiet") {
                parsed.Options.Quiet = true;
                continue;
            }
        }
        if (!TakesValue(name))
            return Failure("unknown option " + Quoted(arg));
        given.push_back(name);
        std::string_view value;
        if (equals != std::string_view::npos)
            value = arg.substr(equals + 1);
        else if (i + 1 < args.size())
            value = args[++i];
        else
            return Failure("option " + Quoted(name) + " needs a value");
        if (const std::string wrong = Apply(name, value, parsed.Options); !wrong.empty())
            return Failure("option " + Quoted(name) + ' ' + wrong + ", not " + Quoted(value));
    }
    const TSimOptions& o = parsed.Options;
    if (!o.SpriteSheetPath.empty() && !(o.StatePath.empty() && o.CensusPath.empty() && o.PngPath.empty() &&
                                        o.OpenPath.empty() && o.SavePath.empty()))
        return Failure("option '--sprite-sheet' runs nothing, so it cannot be combined with "
                       "--state, --census, --png, --open or --save");
    if (!o.OpenPath.empty())
        for (std::string_view fixed : {"--seed", "--tank", "--capacity"})
            if (std::find(given.begin(), given.end(), fixed) != given.end())
                return Failure("option '" + std::string(fixed) + "' cannot be combined with '--open': the tank file "
                               "fixes the seed, the tank's size and its capacity");
    return parsed;
}

std::string_view UsageText()
{
    return "usage: tolvenn-sim [--seed N] [--tank WxH] [--capacity N] | [--open FILE] [--ticks N]\n"
           "                   [--state FILE] [--census FILE] [--every K] [--png FILE] [--save FILE] [--quiet]\n"
           "                   [--sprite-sheet FILE.png] [--help] [--version]\n"
           "\n"
           "Runs the aquarium without a window: set-up, then the given number of ticks.\n"
           "\n"
           "  --seed N           seed of the random numbers, 0..4294967295 (default: the time)\n"
           "  --tank WxH         tank size in pixels, caption included, each 64..16384 (default 1024x788)\n"
           "  --capacity N       slots in use, 50..800 (default: by tank width, 100/150/400)\n"
           "  --open FILE        start from a saved tank file instead of the founders; the file\n"
           "                     fixes the seed, the tank and the capacity\n"
           "  --ticks N          ticks to run after set-up, 0..2147483647 (default 1000)\n"
           "  --state FILE       the tank table after the last tick, tab-separated ('-': stdout)\n"
           "  --census FILE      population counts, comma-separated ('-': stdout)\n"
           "  --every K          a census row every K ticks, K >= 1 (default 1)\n"
           "  --png FILE         the window's picture after the last tick\n"
           "  --save FILE        the tank file after the last tick, to be opened again with --open\n"
           "  --sprite-sheet F   every sprite enlarged and labelled, as PNG; runs nothing (no other output)\n"
           "  --quiet            no summary line on stderr\n"
           "  --help             this text\n"
           "  --version          the version\n";
}
