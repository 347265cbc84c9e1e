// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "TestTank.h"

#include "sim/Tick.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// A seahorse that lives long and never breeds: its breeding draw can never reach its life.
TIKIMONO& Filler(TTestTank& t, int slot)
{
    TIKIMONO& c = t.Put(slot, 2);
    c.RemainingLife = 1000000;
    c.BreedRate = INT_MAX;
    return c;
}

// A crocodile fish that breeds on every step (odds 1 in 1), whose children do not.
TIKIMONO& Breeder(TTestTank& t, int slot)
{
    TIKIMONO& c = t.Put(slot, 3);
    c.RemainingLife = 1000000;
    c.BreedRate = 1;
    c.GeneBreedRate = INT_MAX;
    c.GeneLifespan = 1000000;
    return c;
}

struct TPlacement {
    const char* Name;
    int ParentSlot;
    int ChildSlot;
    bool StepsInBirthTick;
};

class BirthPlacement : public testing::TestWithParam<TPlacement> {};

TEST_P(BirthPlacement, ChildStepsInItsBirthTickOnlyAfterItsParent)
{
    const TPlacement& p = GetParam();
    TTestTank t(640, 480, 10);
    for (int slot = 0; slot < 10; ++slot)
        if (slot != p.ChildSlot && slot != p.ParentSlot && slot < std::max(p.ChildSlot, p.ParentSlot))
            Filler(t, slot);
    TIKIMONO& parent = Breeder(t, p.ParentSlot);
    TTickCounts counts;
    RunTick(t.Window, &counts);

    const auto& child = t.Tank.TankTable[std::size_t(p.ChildSlot)];
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->Species, 3);
    EXPECT_EQ(child->Parent, &parent);
    EXPECT_EQ(child->Generation, 2);
    EXPECT_EQ(child->Age, p.StepsInBirthTick ? 1u : 0u);
    if (!p.StepsInBirthTick) {
        EXPECT_EQ(child->X, parent.X) << "placed where its parent is after the parent's step";
        EXPECT_EQ(child->Y, parent.Y);
    }
    EXPECT_EQ(counts.Births, 1);
    EXPECT_EQ(counts.Steps, std::max(p.ChildSlot, p.ParentSlot) + (p.StepsInBirthTick ? 1 : 0));
}

INSTANTIATE_TEST_SUITE_P(Slots, BirthPlacement,
                         testing::Values(TPlacement{"After", 2, 5, true}, TPlacement{"Before", 4, 0, false},
                                         TPlacement{"Next", 0, 1, true}, TPlacement{"LastUsedSlot", 3, 9, true}),
                         [](const testing::TestParamInfo<TPlacement>& info) { return info.param.Name; });

TEST(Tick, FullTankDropsTheBirth)
{
    TTestTank t(640, 480, 50);
    for (int slot = 0; slot < 49; ++slot)
        Filler(t, slot);
    Breeder(t, 49);
    TTickCounts counts;
    RunTick(t.Window, &counts);
    EXPECT_EQ(counts.Births, 0);
    EXPECT_EQ(counts.Steps, 50);
    EXPECT_EQ(t.Tank.TankTable[50], nullptr) << "slots past the capacity are never used";
}

TEST(Tick, DeathErasesAndFreesTheSlotForALaterParentsChild)
{
    TTestTank t(640, 480, 10);
    TIKIMONO& dying = Filler(t, 0);
    dying.X = 100;
    dying.Y = 100;
    dying.DX = 0;
    dying.DY = 0;
    dying.Age = 100;
    RunTick(t.Window);
    const TRect drawn{dying.X, dying.Y, dying.X + 16, dying.Y + 16};
    ASSERT_FALSE(t.Filled(drawn, kBackgroundColour));

    dying.RemainingLife = 0;
    Breeder(t, 1).X = 400;
    TTickCounts counts;
    RunTick(t.Window, &counts);
    EXPECT_EQ(counts.Deaths, 1);
    EXPECT_EQ(counts.Births, 1);
    EXPECT_TRUE(t.Filled(drawn, kBackgroundColour));
    ASSERT_NE(t.Tank.TankTable[0], nullptr);
    EXPECT_EQ(t.Tank.TankTable[0]->Species, 3);
    EXPECT_EQ(t.Tank.TankTable[0]->Age, 0u) << "its first step comes in the next tick";
}

TEST(Tick, EmptyTankOnlyTakesAndGivesBackTheContexts)
{
    TTestTank t;
    TTickCounts counts;
    RunTick(t.Window, &counts);
    EXPECT_EQ(counts.Steps, 0);
    EXPECT_EQ(t.Tank.WindowDC, nullptr);
    EXPECT_EQ(t.Tank.MemoryDC, nullptr);
    EXPECT_TRUE(t.Filled(t.Window.Picture().Bounds(), kBackgroundColour));
}

TEST(Tick, MovingCreatureLeavesNoTrailAcrossGrowthStages)
{
    TTestTank t(200, 150, 50, 7);
    TIKIMONO& c = Filler(t, 0);
    for (int tick = 0; tick < 300; ++tick)
        RunTick(t.Window);
    ASSERT_GT(c.Age, 20u);
    TRect area;
    ASSERT_TRUE(c.DrawnArea(area));
    const TBitmap& picture = t.Window.Picture();
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (picture.Pixel(x, y) != kBackgroundColour) {
                ASSERT_TRUE(x >= area.Left && x < area.Right && y >= area.Top && y < area.Bottom)
                    << "stray pixel at " << x << "," << y;
            }
}

TEST(Tick, CapacityBeyondTheTableIsHeldToIt)
{
    TTestTank t(640, 480, 5000);
    Filler(t, 999);
    TTickCounts counts;
    RunTick(t.Window, &counts);
    EXPECT_EQ(counts.Steps, 1);
}

}  // namespace
