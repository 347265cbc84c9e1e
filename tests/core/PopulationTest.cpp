// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "TestTank.h"

#include "sim/Population.h"

#include <gtest/gtest.h>

namespace {

TEST(Population, FortyFoundersInSlotOrderWithTheirDrawsInOrder)
{
    TTestTank t(1024, 788, 50, 20240601);
    TRandom expected = t.Tank.Random;
    PopulateTank(t.Window);

    for (int k = 0; k < 40; ++k) {
        const int species = k < 20 ? k + 1 : expected.rand() % 20 + 1;
        const int x = expected.rand() % 1024;
        const int y = expected.rand() % 788;
        const int dx = expected.rand() % 32 - 16;
        const int dy = expected.rand() % 32 - 16;
        const int giant = expected.LongRand() % 10000 == 10;
        const int bonus = expected.rand() % 100;

        const auto& c = t.Tank.TankTable[std::size_t(k)];
        ASSERT_NE(c, nullptr) << "slot " << k;
        EXPECT_EQ(c->Species, species) << "slot " << k;
        EXPECT_EQ(c->X, x) << "slot " << k;
        EXPECT_EQ(c->Y, y) << "slot " << k;
        EXPECT_EQ(c->DX, dx == 0 ? 1 : dx) << "slot " << k;
        EXPECT_EQ(c->DY, dy == 0 ? 1 : dy) << "slot " << k;
        EXPECT_EQ(c->Giant, giant) << "slot " << k;
        EXPECT_EQ(c->RemainingLife, c->GeneLifespan + bonus) << "slot " << k;
        EXPECT_EQ(c->Age, 100u);
        EXPECT_EQ(c->Generation, 1);
        EXPECT_EQ(c->GeneGrowth, 10);
    }
    EXPECT_EQ(t.Tank.Random.State(), expected.State());
    for (int k = 40; k < TTank::kSlots; ++k)
        EXPECT_EQ(t.Tank.TankTable[std::size_t(k)], nullptr) << "slot " << k;
}

TEST(Population, EmptiesTheUsedSlotsFirst)
{
    TTestTank t(640, 480, 60);
    t.Put(55, 1);
    PopulateTank(t.Window);
    EXPECT_EQ(t.Tank.TankTable[55], nullptr);
}

TEST(Population, SameSeedSameFounders)
{
    TTestTank a(800, 620, 150, 5), b(800, 620, 150, 5);
    PopulateTank(a.Window);
    PopulateTank(b.Window);
    for (std::size_t k = 0; k < 40; ++k) {
        EXPECT_EQ(a.Tank.TankTable[k]->Species, b.Tank.TankTable[k]->Species);
        EXPECT_EQ(a.Tank.TankTable[k]->X, b.Tank.TankTable[k]->X);
        EXPECT_EQ(a.Tank.TankTable[k]->Y, b.Tank.TankTable[k]->Y);
    }
}

}  // namespace
