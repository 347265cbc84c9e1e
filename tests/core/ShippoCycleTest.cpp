// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "TestTank.h"

#include "creatures/Behaviours.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

// A tail-waver whose steps draw from a generator seeded afresh with `seed`.
TSHIPPO& Waver(TTestTank& t, std::uint32_t seed)
{
    TSHIPPO& c = t.PutAs<TSHIPPO>(0, 20);
    t.Tank.Random.srand(seed);
    c.X = 300;
    c.Y = 200;
    c.RemainingLife = INT_MAX;
    c.BreedRate = INT_MAX;
    return c;
}

// Seeds whose first draw does not skip the step.
bool Acts(TRandom& r)
{
    return r.rand() % 4 != 0;
}

TEST(ShippoCycle, LastRunStepStartsAPause)
{
    const std::uint32_t seed = SeedWhere(Acts);
    TTestTank t;
    TSHIPPO& c = Waver(t, seed);
    c.RunSteps = 1;
    c.DX = 5;
    c.DY = 0;
    TRandom expected = t.Tank.Random;
    expected.rand();
    const int pause = expected.rand() % 10 + 3;
    c.Step();
    EXPECT_EQ(c.X, 301);
    EXPECT_EQ(c.RunSteps, 0);
    EXPECT_EQ(c.PauseSteps, pause);
}

TEST(ShippoCycle, LastPauseStepReAimsAndStartsARun)
{
    const std::uint32_t seed = SeedWhere(Acts);
    TTestTank t;
    TSHIPPO& c = Waver(t, seed);
    c.RunSteps = 0;
    c.PauseSteps = 1;
    c.DX = 5;
    c.DY = 5;
    c.Age = 40;
    TRandom expected = t.Tank.Random;
    expected.rand();
    const int dx = expected.rand() % 30 - 15;
    const int dy = expected.rand() % 30 - 15;
    const int run = expected.rand() % 5 + 3;
    c.Step();
    EXPECT_EQ(c.X, 300) << "a pause step does not move";
    EXPECT_EQ(c.Y, 200);
    EXPECT_EQ(c.DX, dx);
    EXPECT_EQ(c.DY, dy);
    EXPECT_EQ(c.RunSteps, run);
    EXPECT_EQ(c.Age, 41u) << "but it is drawn";
    EXPECT_EQ(c.RemainingLife, INT_MAX - 1);
}

// Runs of 5 moves first, then of 3 to 7; pauses of 3 to 12 steps without moving.
TEST(ShippoCycle, AlternatesRunsAndPausesOfBoundedLength)
{
    TTestTank t;
    TSHIPPO& c = Waver(t, 2024);
    c.Speed = 100;
    std::vector<int> runs, pauses;
    bool running = true;
    int length = 0;
    for (int tick = 0; tick < 4000; ++tick) {
        const bool wasRunning = c.RunSteps > 0;
        const unsigned int age = c.Age;
        const int x = c.X, y = c.Y;
        c.Step();
        if (c.Age == age)
            continue;  // skipped
        if (!wasRunning) {
            EXPECT_EQ(c.X, x);
            EXPECT_EQ(c.Y, y);
        }
        if (wasRunning != running) {
            (running ? runs : pauses).push_back(length);
            running = wasRunning;
            length = 0;
        }
        ++length;
    }
    ASSERT_GT(runs.size(), 50u);
    ASSERT_GT(pauses.size(), 50u);
    EXPECT_EQ(runs[0], 5);
    for (std::size_t i = 1; i < runs.size(); ++i) {
        EXPECT_GE(runs[i], 3);
        EXPECT_LE(runs[i], 7);
    }
    for (int pause : pauses) {
        EXPECT_GE(pause, 3);
        EXPECT_LE(pause, 12);
    }
}

}  // namespace
