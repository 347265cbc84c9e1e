#include "app/CommandLine.h"
#include "sim/Capacity.h"

#include <gtest/gtest.h>

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
    const TCommandLine line = Read({std::string(5000, '7') + "\n\x1b[2J"});
    EXPECT_EQ(line.Warning.find('\n'), std::string::npos);
    EXPECT_LT(line.Warning.size(), 300u);
    EXPECT_NE(Read({"1\n2"}).Warning.find("\\x0a"), std::string::npos);
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

TEST(CommandLine, UsageListsEveryOption)
{
    const std::string usage = UsageText("tolvenn");
    for (const char* option : {"--speed MS", "--run-for SECONDS", "--stats", "--help", "--version", "1 (fast) to 500"})
        EXPECT_NE(usage.find(option), std::string::npos) << option;
}
