// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "app/CommandLine.h"
#include "platform/services/CommandLineParser.h"
#include "sim/TankLimits.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

TCommandLine Read(std::vector<std::string> args)
{
    args.insert(args.begin(), "tolvenn");
    return ReadCommandLine(args);
}

int Capacity(const TCommandLine& line, int screenWidth)
{
    return line.Capacity ? line.Capacity : CapacityForScreenWidth(screenWidth);
}

}  // namespace

TEST(CommandLine, CapacityComesFromAPlainNumberOrTheScreenWidth)
{
    const struct {
        std::vector<std::string> Args;
        int ScreenWidth;
        int Capacity;
        bool Warned;
    } cases[] = {
        {{}, 640, 100, false},         {{}, 641, 150, false},         {{}, 800, 150, false},
        {{}, 801, 400, false},         {{}, 1024, 400, false},        {{"50"}, 1024, 50, false},
        {{"800"}, 640, 800, false},    {{"0800"}, 640, 800, false},   {{"49"}, 1024, 400, true},
        {{"801"}, 640, 100, true},     {{"120abc"}, 640, 100, true},  {{" 75"}, 640, 100, true},
        {{"+60"}, 640, 100, true},     {{"100.9"}, 640, 100, true},   {{"abc"}, 800, 150, true},
        {{""}, 800, 150, true},        {{"99999999999"}, 800, 150, true}, {{"-100"}, 800, 150, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Args.empty() ? "(none)" : c.Args[0]);
        const TCommandLine line = Read(c.Args);
        EXPECT_EQ(line.Action, TCommandLine::TAction::Run);
        EXPECT_EQ(Capacity(line, c.ScreenWidth), c.Capacity);
        EXPECT_EQ(!line.Warning.empty(), c.Warned);
    }
}

TEST(CommandLine, UnknownOptionsAndASecondNumberAreErrors)
{
    const std::vector<std::string> cases[] = {{"--bogus"}, {"-x"}, {"60", "70"}, {"60", "-70"}, {"--bogus=1", "200"}};
    for (const auto& args : cases) {
        const TCommandLine line = Read(args);
        SCOPED_TRACE(args[0]);
        EXPECT_EQ(line.Action, TCommandLine::TAction::Error);
        EXPECT_EQ(line.Error.find('\n'), std::string::npos);
        EXPECT_EQ(line.Error.rfind("tolvenn: ", 0), 0u);
    }
}

TEST(CommandLine, HelpAndVersionWinOverEverythingElse)
{
    EXPECT_EQ(Read({"--help"}).Action, TCommandLine::TAction::Help);
    EXPECT_EQ(Read({"-h"}).Action, TCommandLine::TAction::Help);
    EXPECT_EQ(Read({"--bogus", "--help"}).Action, TCommandLine::TAction::Help);
    EXPECT_EQ(Read({"--version"}).Action, TCommandLine::TAction::Version);
    EXPECT_EQ(Read({"300", "--version"}).Action, TCommandLine::TAction::Version);
    EXPECT_TRUE(Read({"--help"}).Warning.empty());
}

TEST(CommandLine, WarningsQuoteWhatWasTypedOnOneShortLine)
{
    const TCommandLine line = Read({std::string(5000, '7').append("\n\x1b[2J")});
    EXPECT_EQ(line.Warning.find('\n'), std::string::npos);
    EXPECT_LT(line.Warning.size(), 300u);
    EXPECT_NE(Read({"1\n2"}).Warning.find("\\n"), std::string::npos);
}

TEST(CommandLine, LanguageIsJapaneseOrEnglish)
{
    EXPECT_EQ(Read({}).Language, "");
    EXPECT_EQ(Read({"--lang", "ja"}).Language, "ja");
    EXPECT_EQ(Read({"--lang=en", "300"}).Language, "en");
    EXPECT_EQ(Read({"300", "--lang", "en"}).Capacity, 300);
    for (const char* bad : {"fr", "JA", "", "ja_JP"}) {
        const TCommandLine line = Read({"--lang", bad});
        EXPECT_EQ(line.Action, TCommandLine::TAction::Error) << bad;
        EXPECT_NE(line.Error.find("--lang"), std::string::npos) << bad;
    }
    EXPECT_EQ(Read({"--lang"}).Action, TCommandLine::TAction::Error);
}

// What the toolkit takes for itself is passed over before the toolkit starts, and only that.
TEST(CommandLine, ToolkitOptionsAreLeftOutBeforeTheToolkitStarts)
{
    const struct {
        std::vector<std::string> Args;
        std::vector<std::string> Left;
    } cases[] = {
        {{"-platform", "xcb", "300"}, {"300"}},
        {{"--platform", "offscreen", "-display", ":1", "--bogus"}, {"--bogus"}},
        {{"-style", "fusion", "-style=fusion", "--stylesheet=a.qss", "-reverse", "-qwindowgeometry", "9x9"}, {}},
        {{"-geometry", "9x9", "-title", "t", "-name", "n", "-qmljsdebugger=port:1", "-session", "s"}, {}},
        {{"-platformx", "-sync", "--lang", "ja", "-"}, {"-platformx", "-sync", "--lang", "ja", "-"}},
        {{"60", "-70"}, {"60", "-70"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.Args;
        args.insert(args.begin(), "tolvenn");
        std::vector<std::string> left = c.Left;
        left.insert(left.begin(), "tolvenn");
        EXPECT_EQ(WithoutToolkitOptions(args), left) << c.Args[0];
    }
    EXPECT_EQ(ReadCommandLine(WithoutToolkitOptions({"tolvenn", "-platform", "offscreen", "-reverse", "300"})).Capacity, 300);
}

TEST(CommandLine, WatchingOptionsAreRead)
{
    const struct {
        const char* Name;
        std::vector<std::string> Args;
        const char* Environment;
        std::function<bool(const TCommandLine&)> Holds;
    } cases[] = {
        {"Defaults", {}, nullptr,
         [](const TCommandLine& l) {
             return !l.Seed && !l.Paused && !l.Mute && !l.FullScreen && l.Zoom == 1 && !l.IsScreensaver();
         }},
        {"SeedLowest", {"--seed", "0"}, nullptr, [](const TCommandLine& l) { return l.Seed == 0u; }},
        {"SeedHighest", {"--seed=4294967295"}, nullptr, [](const TCommandLine& l) { return l.Seed == 4294967295u; }},
        {"SeedOneDash", {"-seed", "17", "300"}, nullptr,
         [](const TCommandLine& l) { return l.Seed == 17u && l.Capacity == 300; }},
        {"Switches", {"--paused", "--mute", "--fullscreen"}, nullptr,
         [](const TCommandLine& l) { return l.Paused && l.Mute && l.FullScreen; }},
        {"Zoom", {"--zoom", "4"}, nullptr, [](const TCommandLine& l) { return l.Zoom == 4; }},
        {"WindowIdHex", {"-window-id", "0x1a00007"}, nullptr,
         [](const TCommandLine& l) { return l.WindowId == 0x1a00007u && l.IsScreensaver(); }},
        {"WindowIdDecimal", {"--window-id=4194311"}, nullptr, [](const TCommandLine& l) { return l.WindowId == 4194311u; }},
        {"Root", {"-root"}, nullptr, [](const TCommandLine& l) { return l.RootWindow && !l.WindowId; }},
        {"EnvironmentNamesTheWindow", {"-root"}, "0x2c00003",
         [](const TCommandLine& l) { return l.WindowId == 0x2c00003u && !l.RootWindow; }},
        {"EnvironmentAlone", {}, "0x2c00003", [](const TCommandLine& l) { return l.WindowId == 0x2c00003u; }},
        {"OptionWinsOverEnvironment", {"--window-id", "99"}, "0x2c00003",
         [](const TCommandLine& l) { return l.WindowId == 99u; }},
        {"EmptyEnvironment", {}, "", [](const TCommandLine& l) { return !l.IsScreensaver(); }},
        {"Open", {"--open", "grown.tank", "--paused", "--zoom=2"}, nullptr,
         [](const TCommandLine& l) { return l.OpenPath == "grown.tank" && l.Paused && l.Zoom == 2 && !l.Seed; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::vector<std::string> args = c.Args;
        args.insert(args.begin(), "tolvenn");
        const TCommandLine line = ReadCommandLine(args, c.Environment);
        ASSERT_EQ(line.Action, TCommandLine::TAction::Run) << line.Error;
        EXPECT_TRUE(c.Holds(line));
    }
}

TEST(CommandLine, BadWatchingValuesAreOneLineErrors)
{
    const struct {
        std::vector<std::string> Args;
        const char* Environment;
        const char* Names;
    } cases[] = {
        {{"--seed", "4294967296"}, nullptr, "--seed"}, {{"--seed", "abc"}, nullptr, "--seed"},
        {{"--seed=+5"}, nullptr, "--seed"},           {{"--seed="}, nullptr, "--seed"},
        {{"--seed", "1e3"}, nullptr, "--seed"},       {{"--seed"}, nullptr, "seed"},
        {{"--zoom", "0"}, nullptr, "--zoom"},         {{"--zoom", "5"}, nullptr, "--zoom"},
        {{"--zoom", "2x"}, nullptr, "--zoom"},        {{"--window-id", "0"}, nullptr, "--window-id"},
        {{"--window-id", "0x"}, nullptr, "--window-id"}, {{"--window-id", "window"}, nullptr, "--window-id"},
        {{}, "junk", "XSCREENSAVER_WINDOW"},
        {{"--open", "a.tank", "--seed", "5"}, nullptr, "--seed"}, {{"--open", "a.tank", "300"}, nullptr, "'300'"},
        {{"--open", "a.tank", "49"}, nullptr, "'49'"},         {{"--open="}, nullptr, "--open"},
        {{"--open"}, nullptr, "open"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Args.empty() ? c.Environment : c.Args[0] + (c.Args.size() > 1 ? " " + c.Args[1] : ""));
        std::vector<std::string> args = c.Args;
        args.insert(args.begin(), "tolvenn");
        const TCommandLine line = ReadCommandLine(args, c.Environment);
        EXPECT_EQ(line.Action, TCommandLine::TAction::Error);
        EXPECT_EQ(line.Error.find('\n'), std::string::npos);
        EXPECT_NE(line.Error.find(c.Names), std::string::npos) << line.Error;
    }
}

TEST(CommandLine, UsageListsEveryOption)
{
    const std::string usage = UsageText("tolvenn");
    for (const char* option : {"CAPACITY", "--seed", "--open", "--paused", "--mute", "--fullscreen", "--zoom", "--window-id",
                               "XSCREENSAVER_WINDOW", "--root", "--lang", "--speed MS", "1 (fast) to 500",
                               "--run-for SECONDS", "--stats", "--help", "--version"})
        EXPECT_NE(usage.find(option), std::string::npos) << option;
}

TEST(CommandLine, SpeedRunForAndStatsAreOptionsNeverTheCapacity)
{
    const struct {
        std::vector<std::string> Args;
        int Capacity;
        int TimerInterval;
        int RunForSeconds;
        bool Stats;
    } cases[] = {
        {{}, 0, 50, 0, false},
        {{"800", "--speed", "1"}, 800, 1, 0, false},
        {{"--speed", "1", "800"}, 800, 1, 0, false},
        {{"--speed=500", "--run-for", "30", "--stats", "60"}, 60, 500, 30, true},
        {{"-speed", "7", "-stats"}, 0, 7, 0, true},
        {{"--run-for=1000000"}, 0, 50, 1000000, false},
        {{"--stats", "--run-for", "5", "400", "--speed", "20"}, 400, 20, 5, true},
    };
    for (const auto& c : cases) {
        const TCommandLine line = Read(c.Args);
        SCOPED_TRACE(c.Args.empty() ? "(none)" : c.Args[0]);
        ASSERT_EQ(line.Action, TCommandLine::TAction::Run) << line.Error;
        EXPECT_EQ(line.Capacity, c.Capacity);
        EXPECT_TRUE(line.Warning.empty());
        EXPECT_EQ(line.TimerInterval, c.TimerInterval);
        EXPECT_EQ(line.RunForSeconds, c.RunForSeconds);
        EXPECT_EQ(line.Stats, c.Stats);
    }
}

TEST(CommandLine, OutOfRangeOrMalformedOptionValuesAreOneLineErrors)
{
    const std::vector<std::string> cases[] = {
        {"--speed", "0"},       {"--speed", "501"},    {"--speed=-5"},          {"--speed", "-5"},
        {"--speed", "fast"},    {"--speed", "2.5"},    {"--speed", " 10"},      {"--speed"},
        {"--speed="},           {"--run-for", "0"},    {"--run-for=1000001"},   {"--run-for", "1e3"},
        {"300", "--run-for"},   {"--speed", "99999999999999"}, {"--stats=1"},
        {"--speed", std::string(500, '9') + "\n"},
    };
    for (const auto& args : cases) {
        const TCommandLine line = Read(args);
        SCOPED_TRACE(args[0] + (args.size() > 1 ? " " + args[1] : std::string()));
        EXPECT_EQ(line.Action, TCommandLine::TAction::Error);
        EXPECT_EQ(line.Error.rfind("tolvenn: ", 0), 0u);
        EXPECT_EQ(line.Error.find('\n'), std::string::npos);
        EXPECT_LT(line.Error.size(), 300u);
    }
}
