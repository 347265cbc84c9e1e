// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "TestTank.h"

#include "sim/HitTest.h"

#include <gtest/gtest.h>

namespace {

struct TPoint {
    int X, Y;
    bool Hit;
};

class HitBox : public testing::TestWithParam<TPoint> {};

// A 16 x 16 creature at (100, 50) is hit from (85, 35) to (115, 65), whatever its age.
TEST_P(HitBox, StrictFullSizeBoxAroundTheTopLeftCorner)
{
    const TPoint& p = GetParam();
    TTestTank t;
    TIKIMONO& c = t.Put(3, 2);
    c.X = 100;
    c.Y = 50;
    for (const unsigned int age : {0u, 15u, 100u}) {
        c.Age = age;
        EXPECT_EQ(IsHit(c, p.X, p.Y), p.Hit) << "age " << age;
    }
    EXPECT_EQ(FirstHitSlot(t.Tank, p.X, p.Y), p.Hit ? 3 : -1);
}

INSTANTIATE_TEST_SUITE_P(Points, HitBox,
                         testing::Values(TPoint{100, 50, true}, TPoint{85, 35, true}, TPoint{115, 65, true},
                                         TPoint{84, 50, false}, TPoint{116, 50, false}, TPoint{100, 34, false},
                                         TPoint{100, 66, false}, TPoint{85, 66, false}),
                         [](const testing::TestParamInfo<TPoint>& info) {
                             return "At" + std::to_string(info.param.X) + "x" + std::to_string(info.param.Y) +
                                    (info.param.Hit ? "Hits" : "Misses");
                         });

TEST(HitTest, FirstHitIsInSlotOrderWithinCapacity)
{
    TTestTank t(640, 480, 50);
    for (int slot : {7, 3, 60}) {
        TIKIMONO& c = t.Put(slot, 16);
        c.X = 10;
        c.Y = 10;
    }
    EXPECT_EQ(FirstHitSlot(t.Tank, 12, 12), 3);
    t.Tank.TankTable[3].reset();
    t.Tank.TankTable[7].reset();
    EXPECT_EQ(FirstHitSlot(t.Tank, 12, 12), -1) << "slot 60 lies past the capacity";
}

}  // namespace
