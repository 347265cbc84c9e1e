// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "TestTank.h"

#include "creatures/Kinds.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

// A creature well inside a 640 x 480 tank, moving one pixel right and down a step, so
// that no bounce draws; it neither dies nor (unless told) breeds. Its step draws from
// a generator seeded afresh with `seed`.
TIKIMONO& Middle(TTestTank& t, int species, std::uint32_t seed)
{
    TIKIMONO& c = t.Put(0, species);
    t.Tank.Random.srand(seed);
    c.X = 300;
    c.Y = 200;
    c.DX = 1;
    c.DY = 1;
    c.Speed = 100;
    c.RemainingLife = 1000;
    c.BreedRate = INT_MAX;
    c.Age = 50;
    return c;
}

struct TSkipRule {
    int Species;
    int Modulus;  // the skip test is rand() % Modulus == 0; 0 for none
};

class StepSkip : public testing::TestWithParam<TSkipRule> {};
class StepActs : public testing::TestWithParam<TSkipRule> {};

std::string SpeciesName(const testing::TestParamInfo<TSkipRule>& info)
{
    return "Species" + std::to_string(info.param.Species);
}

TEST_P(StepSkip, SkippedTickChangesNothingButTheOneDraw)
{
    const TSkipRule& rule = GetParam();
    const std::uint32_t seed = SeedWhere([&](TRandom& r) { return r.rand() % rule.Modulus == 0; });
    TTestTank t;
    TIKIMONO& c = Middle(t, rule.Species, seed);
    c.RemainingLife = 0;  // it may not even die on a skipped tick
    TRandom expected = t.Tank.Random;
    expected.rand();
    EXPECT_EQ(c.Step(), STEP_LIVE);
    EXPECT_EQ(c.X, 300);
    EXPECT_EQ(c.Age, 50u);
    EXPECT_EQ(c.RemainingLife, 0);
    EXPECT_EQ(t.Tank.Random.State(), expected.State());
}

TEST_P(StepActs, LifeTestFollowsTheSkipTestAndDiesWithoutMoving)
{
    const TSkipRule& rule = GetParam();
    const std::uint32_t seed =
        SeedWhere([&](TRandom& r) { return rule.Modulus == 0 || r.rand() % rule.Modulus != 0; });
    TTestTank t;
    TIKIMONO& c = Middle(t, rule.Species, seed);
    c.RemainingLife = 0;
    TRandom expected = t.Tank.Random;
    if (rule.Modulus)
        expected.rand();
    EXPECT_EQ(c.Step(), STEP_DIE);
    EXPECT_EQ(c.X, 300);
    EXPECT_EQ(c.Y, 200);
    EXPECT_EQ(c.Age, 50u);
    EXPECT_EQ(t.Tank.Random.State(), expected.State());
}

TEST_P(StepActs, AStepThatActsMovesDrawsAndAges)
{
    const TSkipRule& rule = GetParam();
    const std::uint32_t seed =
        SeedWhere([&](TRandom& r) { return rule.Modulus == 0 || r.rand() % rule.Modulus != 0; });
    TTestTank t;
    TIKIMONO& c = Middle(t, rule.Species, seed);
    c.Step();
    EXPECT_EQ(c.X, 301);
    EXPECT_EQ(c.Age, 51u);
    EXPECT_EQ(c.RemainingLife, 999);
}

INSTANTIATE_TEST_SUITE_P(Classes, StepSkip, testing::Values(TSkipRule{11, 2}, TSkipRule{18, 3}, TSkipRule{20, 4}),
                         SpeciesName);
INSTANTIATE_TEST_SUITE_P(Classes, StepActs,
                         testing::Values(TSkipRule{2, 0}, TSkipRule{4, 0}, TSkipRule{15, 0}, TSkipRule{1, 0},
                                         TSkipRule{11, 2}, TSkipRule{18, 3}, TSkipRule{20, 4}),
                         SpeciesName);

TEST(BaseRule, RareDrawReAimsAfterTheMove)
{
    const std::uint32_t seed = SeedWhere([](TRandom& r) { return r.rand() % 400 == 0; });
    TTestTank t;
    TIKIMONO& c = Middle(t, 2, seed);
    TRandom expected = t.Tank.Random;
    expected.rand();
    const int dx = expected.rand() % 30 - 15;
    const int dy = expected.rand() % 30 - 15;
    c.Step();
    EXPECT_EQ(c.X, 301) << "the move used the old direction";
    EXPECT_EQ(c.DX, dx);
    EXPECT_EQ(c.DY, dy);
}

TEST(BaseRule, BreedsWhenTheDrawMatchesTheRemainingLife)
{
    const std::uint32_t seed = SeedWhere([](TRandom& r) { return r.rand() % 400 != 0; });
    TRandom probe;
    probe.srand(seed);
    probe.rand();
    const int draw = probe.rand() % 7;
    for (const int offset : {0, 1, 6}) {
        TTestTank t;
        TIKIMONO& c = Middle(t, 2, seed);
        c.BreedRate = 7;
        c.RemainingLife = 701 + (draw + offset) % 7;  // after the step: 700 + (draw + offset) % 7
        EXPECT_EQ(c.Step(), offset == 0 ? STEP_BREED : STEP_LIVE) << "offset " << offset;
    }
}

struct TChanceBreeder {
    int Species;
    int SkipModulus;  // the one draw before the breeding draw skips on a zero remainder; 0: it never does
};

class ChanceBreeding : public testing::TestWithParam<TChanceBreeder> {};

TEST_P(ChanceBreeding, BreedsOnAZeroRemainder)
{
    const TChanceBreeder& b = GetParam();
    for (const bool zero : {true, false}) {
        const std::uint32_t seed = SeedWhere([&](TRandom& r) {
            if (b.SkipModulus && r.rand() % b.SkipModulus == 0)
                return false;
            if (!b.SkipModulus)
                r.rand();
            return (r.rand() % 5 == 0) == zero;
        });
        TTestTank t;
        TIKIMONO& c = Middle(t, b.Species, seed);
        c.BreedRate = 5;
        EXPECT_EQ(c.Step(), zero ? STEP_BREED : STEP_LIVE);
    }
}

// A fish's one draw before breeding is its dash; a walker's and a tail-waver's, the skip.
INSTANTIATE_TEST_SUITE_P(Rules, ChanceBreeding,
                         testing::Values(TChanceBreeder{1, 0}, TChanceBreeder{11, 2}, TChanceBreeder{20, 4}),
                         [](const testing::TestParamInfo<TChanceBreeder>& info) {
                             return "Species" + std::to_string(info.param.Species);
                         });

TEST(ChanceBreeding, CrabSkipsThenReAimsThenBreeds)
{
    const std::uint32_t seed = SeedWhere([](TRandom& r) {
        if (r.rand() % 3 == 0 || r.rand() % 20 != 0)
            return false;
        r.rand();
        r.rand();
        return r.rand() % 5 == 0;
    });
    TTestTank t;
    TIKIMONO& c = Middle(t, 18, seed);
    c.BreedRate = 5;
    TRandom expected = t.Tank.Random;
    expected.rand();
    expected.rand();
    const int dx = expected.rand() % 30 - 15;
    const int dy = expected.rand() % 30 - 15;
    EXPECT_EQ(c.Step(), STEP_BREED);
    EXPECT_EQ(c.DX, dx);
    EXPECT_EQ(c.DY, dy);
}

TEST(SakanaRule, DashDoublesDXOnly)
{
    const std::uint32_t seed = SeedWhere([](TRandom& r) { return r.rand() % 40 == 0; });
    TTestTank t;
    TIKIMONO& c = Middle(t, 9, seed);
    c.DX = -6;
    c.DY = 3;
    c.Step();
    EXPECT_EQ(c.X, 294);
    EXPECT_EQ(c.DX, -12);
    EXPECT_EQ(c.DY, 3);
}

TEST(SakanaRule, StillFishAtTheRightLimitStaysForever)
{
    TTestTank t;
    TIKIMONO& c = Middle(t, 1, 1);
    c.X = 640 - 16;
    c.DX = 0;
    c.DY = 0;
    for (int i = 0; i < 200; ++i)
        c.Step();
    EXPECT_EQ(c.X, 624);
    EXPECT_EQ(c.Y, 200);
    EXPECT_EQ(c.DX, 0);
}

TEST(ArukuRule, ReAimsEveryFortyMoves)
{
    for (const int life : {41, 42, 1}) {
        const std::uint32_t seed = SeedWhere([](TRandom& r) { return r.rand() % 2 != 0; });
        TTestTank t;
        TIKIMONO& c = Middle(t, 17, seed);
        c.RemainingLife = life;
        TRandom expected = t.Tank.Random;
        expected.rand();
        const bool reAims = (life - 1) % 40 == 0;
        const int dx = reAims ? expected.rand() % 30 - 15 : 1;
        c.Step();
        EXPECT_EQ(c.DX, dx) << "life " << life;
    }
}

TEST(ArukuRule, ClimbsAtAQuarterOfItsHorizontalRate)
{
    const std::uint32_t seed = SeedWhere([](TRandom& r) { return r.rand() % 2 != 0; });
    for (const int dy : {5, -15}) {
        TTestTank t;
        TIKIMONO& c = Middle(t, 11, seed);
        c.Speed = 70;
        c.DX = -15;
        c.DY = dy;
        c.Step();
        EXPECT_EQ(c.X, 300 - 10) << "-1050 / 100";
        EXPECT_EQ(c.Y, 200 + (dy == 5 ? 0 : -2)) << "350 / 400 and -1050 / 400";
    }
}

}  // namespace
