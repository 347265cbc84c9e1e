// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "Aquarium.h"

#include "app/StartUp.h"
#include "tools/sim/Simulation.h"
#include "tools/sim/StateTable.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TCommandLine Line(std::vector<std::string> args)
{
    args.insert(args.begin(), "tolvenn");
    return ReadCommandLine(args);
}

// The headless tool's state of a 1024 x 788 tank after `ticks` ticks.
std::string HeadlessState(std::uint32_t seed, int capacity, int ticks)
{
    TSimOptions options;
    options.Seed = seed;
    options.Capacity = capacity;
    options.Ticks = ticks;
    std::ostringstream state;
    Simulate(options, {&state, nullptr, nullptr});
    return state.str();
}

}  // namespace

TEST(Seed, TheGivenSeedMakesTheHeadlessToolsFoundersAndRun)
{
    const TCommandLine line = Line({"--seed", "4000000000", "--paused", "400"});
    TAquarium a;
    PrepareTank(a.Tank, line, 1024, 788, 1);
    EXPECT_EQ(a.Tank.Seed, 4000000000u);
    a.Window.reset();  // one window at a time holds the tank's bitmaps
    a.Window = std::make_unique<TMyWindow>(a.Tank, line);
    a.Window->Sui = TWaveSound::Load("sui");
    ASSERT_TRUE(a.Open());
    EXPECT_EQ(FormatState(a.Tank), HeadlessState(4000000000u, 400, 0));

    // Ticks as the timer would run them, with the window smaller than the tank.
    for (int i = 0; i < 150; ++i)
        a.Window->SendMessage(WM_TIMER, 1, 0);
    EXPECT_EQ(FormatState(a.Tank), HeadlessState(4000000000u, 400, 150));
}

TEST(Seed, WithoutOneTheClockSeedsAndZoomShrinksTheExtent)
{
    TTank tank;
    PrepareTank(tank, Line({}), 1920, 1100, 123);
    EXPECT_EQ(tank.Seed, 123u);
    EXPECT_EQ(tank.ScreenWidth, 1920);
    EXPECT_EQ(tank.ScreenHeight, 1100);
    EXPECT_EQ(tank.TankCapacity, 400);

    PrepareTank(tank, Line({"--zoom", "3"}), 1920, 1100, 5);
    EXPECT_EQ(tank.ScreenWidth, 640);
    EXPECT_EQ(tank.ScreenHeight, 366);
    EXPECT_EQ(tank.TankCapacity, 100) << "the capacity follows the tank's own width";
}
