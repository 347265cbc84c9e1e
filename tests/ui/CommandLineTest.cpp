#include "app/CommandLine.h"
#include "sim/Capacity.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TCase {
    std::vector<const char*> Args;
    int ScreenWidth;
    int Capacity;
    bool Warned;
};

int Capacity(const TCommandLine& line, int screenWidth)
{
    return line.Capacity ? line.Capacity : CapacityForScreenWidth(screenWidth);
}

}  // namespace

TEST(CommandLine, CapacityComesFromTheArgumentOrTheScreenWidth)
{
    const TCase cases[] = {
        {{}, 640, 100, false},          {{}, 641, 150, false},         {{}, 800, 150, false},
        {{}, 801, 400, false},          {{}, 1024, 400, false},        {{"50"}, 1024, 50, false},
        {{"800"}, 640, 800, false},     {{"49"}, 1024, 400, true},     {{"801"}, 640, 100, true},
        {{"120abc"}, 640, 120, false},  {{" 75"}, 640, 75, false},     {{"+60"}, 640, 60, false},
        {{"abc"}, 800, 150, true},      {{"-100"}, 800, 150, true},    {{"99999999999"}, 800, 150, true},
        {{"60", "70"}, 1024, 400, false},
    };
    for (const TCase& c : cases) {
        std::vector<const char*> argv{"tolvenn"};
        argv.insert(argv.end(), c.Args.begin(), c.Args.end());
        const TCommandLine line = ReadCommandLine(int(argv.size()), argv.data());
        SCOPED_TRACE(c.Args.empty() ? "(none)" : c.Args[0]);
        EXPECT_EQ(line.Action, TCommandLine::TAction::Run);
        EXPECT_EQ(Capacity(line, c.ScreenWidth), c.Capacity);
        EXPECT_EQ(!line.Warning.empty(), c.Warned);
    }
}

TEST(CommandLine, HelpAndVersionAreNotCapacities)
{
    const char* help[] = {"tolvenn", "--help"};
    const char* version[] = {"tolvenn", "--version"};
    EXPECT_EQ(ReadCommandLine(2, help).Action, TCommandLine::TAction::Help);
    EXPECT_EQ(ReadCommandLine(2, version).Action, TCommandLine::TAction::Version);
    EXPECT_TRUE(ReadCommandLine(2, help).Warning.empty());
}
