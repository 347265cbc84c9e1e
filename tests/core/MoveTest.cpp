// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "TestTank.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <optional>

namespace {

// A 16 x 16 seahorse in a 640 x 480 tank: the right limit is X 624, the bottom Y 448.
struct TMoveTank : TTestTank {
    TMoveTank() : TTestTank(640, 480, 100, 31337), C(Put(0, 2)) {}
    TIKIMONO& C;
};

struct TTruncation {
    int Speed, Velocity, Divisor;
    bool Vertical;
    int Moved;
};

class MoveTruncation : public testing::TestWithParam<TTruncation> {};

TEST_P(MoveTruncation, ScalesBySpeedAndTruncatesTowardZero)
{
    const TTruncation& c = GetParam();
    TMoveTank t;
    t.C.X = 300;
    t.C.Y = 200;
    t.C.Speed = c.Speed;
    t.C.DX = c.Vertical ? 0 : c.Velocity;
    t.C.DY = c.Vertical ? c.Velocity : 0;
    t.C.Move(c.Vertical ? 100 : c.Divisor, c.Vertical ? c.Divisor : 100, false);
    EXPECT_EQ(t.C.X, 300 + (c.Vertical ? 0 : c.Moved));
    EXPECT_EQ(t.C.Y, 200 + (c.Vertical ? c.Moved : 0));
}

INSTANTIATE_TEST_SUITE_P(Cases, MoveTruncation,
                         testing::Values(TTruncation{15, 3, 100, false, 0}, TTruncation{15, -7, 100, false, -1},
                                         TTruncation{100, -15, 100, false, -15}, TTruncation{250, 7, 100, false, 17},
                                         TTruncation{70, 5, 400, true, 0}, TTruncation{70, -15, 400, true, -2},
                                         TTruncation{100, 14, 400, true, 3}, TTruncation{60, -9, 100, true, -5}),
                         [](const testing::TestParamInfo<TTruncation>& info) {
                             const TTruncation& c = info.param;
                             return std::string(c.Vertical ? "Vertical" : "Horizontal") + "Speed" + std::to_string(c.Speed) +
                                    (c.Velocity < 0 ? "Minus" : "Plus") + std::to_string(std::abs(c.Velocity)) + "Over" +
                                    std::to_string(c.Divisor);
                         });

// Without EndY the creature bounced on X first and so moves vertically by its new DY.
struct TBounce {
    const char* Name;
    int X, Y, DX, DY;
    bool Strict;
    int EndX;
    std::optional<int> EndY;
    int ReAims;
};

class MoveBounce : public testing::TestWithParam<TBounce> {};

TEST_P(MoveBounce, ClampsAndReAimsOncePerEdgeTouched)
{
    const TBounce& c = GetParam();
    TMoveTank t;
    t.C.X = c.X;
    t.C.Y = c.Y;
    t.C.DX = c.DX;
    t.C.DY = c.DY;
    t.C.Speed = 100;
    TRandom expected = t.Tank.Random;
    int dx = c.DX, dy = c.DY;
    for (int i = 0; i < c.ReAims; ++i) {
        dx = expected.rand() % 30 - 15;
        dy = expected.rand() % 30 - 15;
    }
    t.C.Move(100, 100, c.Strict);
    EXPECT_EQ(t.C.X, c.EndX);
    EXPECT_EQ(t.C.Y, c.EndY.value_or(c.Y + dy));
    EXPECT_EQ(t.C.DX, dx);
    EXPECT_EQ(t.C.DY, dy);
    EXPECT_EQ(t.Tank.Random.State(), expected.State());
}

INSTANTIATE_TEST_SUITE_P(
    Edges, MoveBounce,
    testing::Values(TBounce{"InsideNoBounce", 300, 200, 5, -5, false, 305, 195, 0},
                    TBounce{"RightLimitBounces", 624, 200, 0, 0, false, 624, std::nullopt, 1},
                    TBounce{"RightLimitStrictStays", 624, 200, 0, 0, true, 624, 200, 0},
                    TBounce{"PastRightStrictBounces", 620, 300, 5, 0, true, 624, std::nullopt, 1},
                    TBounce{"LeftEdge", 5, 300, -10, 0, false, 0, std::nullopt, 1},
                    TBounce{"StillAtLeftBouncesAgain", 0, 300, 0, 0, false, 0, std::nullopt, 1},
                    TBounce{"BottomEdge", 300, 440, 0, 10, false, 300, 448, 1},
                    TBounce{"ReachingTheBottomLimitBounces", 300, 438, 0, 10, false, 300, 448, 1},
                    TBounce{"StillAtTheBottomLimitBouncesAgain", 300, 448, 0, 0, false, 300, 448, 1},
                    TBounce{"AboveTheBottomLimitNoBounce", 300, 437, 0, 10, false, 300, 447, 0},
                    TBounce{"TopEdge", 300, 3, 0, -5, false, 300, 0, 1},
                    TBounce{"StillAtTopBouncesAgain", 300, 0, 0, 0, false, 300, 0, 1},
                    TBounce{"RightThenTop", 630, -20, 5, 0, false, 624, 0, 2},
                    TBounce{"HugeVelocityDoesNotOverflow", 300, 200, INT_MAX, 0, false, 624, std::nullopt, 1}),
    [](const testing::TestParamInfo<TBounce>& info) { return info.param.Name; });

TEST(MoveOrder, BounceReAimsBeforeVerticalMove)
{
    TMoveTank t;
    t.C.X = 620;
    t.C.Y = 200;
    t.C.DX = 10;
    t.C.DY = 12;
    t.C.Speed = 100;
    TRandom expected = t.Tank.Random;
    expected.rand();
    const int newDY = expected.rand() % 30 - 15;
    t.C.Move(100, 100, false);
    EXPECT_EQ(t.C.Y, 200 + newDY);
}

}  // namespace
