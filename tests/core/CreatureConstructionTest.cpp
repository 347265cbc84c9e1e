// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "TestTank.h"

#include "creatures/Kinds.h"
#include "sim/Catalogue.h"
#include "sim/SpriteSet.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// The draws a founder makes, in order: place, direction, giant mark, then its life.
struct TFounderDraws {
    int X, Y, DX, DY, Giant, LifeBonus;
};

TFounderDraws DrawFounder(TRandom& r, int width, int height)
{
    TFounderDraws d{};
    d.X = r.rand() % width;
    d.Y = r.rand() % height;
    d.DX = r.rand() % 32 - 16;
    d.DY = r.rand() % 32 - 16;
    d.Giant = r.LongRand() % 10000 == 10;
    d.LifeBonus = r.rand() % 100;
    return d;
}

TEST(CreatureConstruction, FounderTakesRandomPlaceDirectionAndSpeciesDefaults)
{
    TTestTank t(640, 480, 100, 4242);
    TRandom expected = t.Tank.Random;
    const TFounderDraws d = DrawFounder(expected, 640, 480);

    const TIKIMONO& fish = t.Put(0, 1);
    EXPECT_EQ(fish.Parent, nullptr);
    EXPECT_EQ(fish.X, d.X);
    EXPECT_EQ(fish.Y, d.Y);
    EXPECT_EQ(fish.DX, d.DX == 0 ? 1 : d.DX);
    EXPECT_EQ(fish.DY, d.DY == 0 ? 1 : d.DY);
    EXPECT_EQ(fish.Giant, d.Giant);
    EXPECT_EQ(fish.Species, 1);
    EXPECT_STREQ(fish.FamilyName, "きんぎょ");
    EXPECT_EQ(fish.GeneLifespan, 400);
    EXPECT_EQ(fish.RemainingLife, 400 + d.LifeBonus);
    EXPECT_EQ(fish.GeneBreedRate, 398);
    EXPECT_EQ(fish.BreedRate, 398);
    EXPECT_EQ(fish.GeneSpeed, 100);
    EXPECT_EQ(fish.Speed, 100);
    EXPECT_EQ(fish.GeneGrowth, 10);
    EXPECT_EQ(fish.Generation, 1);
    EXPECT_EQ(fish.Age, 0u);
    EXPECT_EQ(t.Tank.Random.State(), expected.State()) << "a founder makes exactly six draws";
}

struct TSpeciesDefaults {
    int Number;
    int Lifespan, BreedRate, Speed, Width, Height;
    std::vector<const char*> Frames;
};

class SpeciesCompletion : public testing::TestWithParam<TSpeciesDefaults> {};

TEST_P(SpeciesCompletion, SetsSizeGenesAndFramesInOrder)
{
    const TSpeciesDefaults& row = GetParam();
    TTestTank t;
    const TIKIMONO& c = t.Put(0, row.Number);
    EXPECT_EQ(c.GeneLifespan, row.Lifespan);
    EXPECT_GE(c.RemainingLife, row.Lifespan);
    EXPECT_LE(c.RemainingLife, row.Lifespan + 99);
    EXPECT_EQ(c.BreedRate, row.BreedRate);
    EXPECT_EQ(c.Speed, row.Speed);
    EXPECT_EQ(c.Width, row.Width);
    EXPECT_EQ(c.Height, row.Height);
    ASSERT_EQ(c.FrameCount, int(row.Frames.size()));
    for (std::size_t i = 0; i < TIKIMONO::kMaxFrames; ++i) {
        const HBITMAP wanted = i < row.Frames.size() ? t.Tank.SpriteBitmaps[std::size_t(SpriteIndex(row.Frames[i]))]
                                                     : nullptr;
        EXPECT_EQ(c.Bitmaps[i], wanted) << "frame " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, SpeciesCompletion,
    testing::Values(TSpeciesDefaults{1, 400, 398, 100, 16, 16, {"GYOPI1", "GYOPI2"}},
                    TSpeciesDefaults{5, 10000, 10000, 50, 32, 20, {"SUB1", "SUB2"}},
                    TSpeciesDefaults{6, 500, 495, 70, 16, 16, {"HIRAME2", "HIRAME1"}},
                    TSpeciesDefaults{11, 500, 495, 70, 16, 32, {"KAPPA1", "KAPPA2", "KAPPA3", "KAPPA4"}},
                    TSpeciesDefaults{16, 300, 298, 15, 6, 6, {"MARIMO"}},
                    TSpeciesDefaults{18, 200, 199, 60, 24, 16, {"KANI1", "KANI2"}},
                    TSpeciesDefaults{20, 300, 295, 20, 16, 16, {"KABUTO1", "KABUTO2", "KABUTO3"}}),
    [](const testing::TestParamInfo<TSpeciesDefaults>& info) { return "Species" + std::to_string(info.param.Number); });

TEST(SpeciesCatalogue, DefaultFamilyNamesAreExactAndFitTheField)
{
    const char* names[] = {"きんぎょ",     "たつのおとしご", "わにうお", "いか",     "さぶまりん",
                           "ポプポプ珍怪魚", "つっぱりひとで", "もすてまっく", "ほねうお", "ちょうちょう魚",
                           "河童",         "たこ",           "くらげ",   "くまのみ", "うに\xEF\xBC\x8D\xEF\xBC\x8D",
                           "まりも",       "たにし",         "かに",     "くじら",   "かぶとがに"};
    for (int n = 1; n <= kSpeciesCount; ++n) {
        TTestTank t;
        const TIKIMONO& c = t.Put(0, n);
        EXPECT_STREQ(c.FamilyName, names[n - 1]) << "species " << n;
        EXPECT_LE(std::strlen(c.FamilyName), 39u);
    }
}

TEST(SpeciesCatalogue, CreatesTheClassOfEachSpecies)
{
    TTestTank t;
    EXPECT_NE(dynamic_cast<GYOPI*>(&t.Put(0, 1)), nullptr);
    EXPECT_NE(dynamic_cast<TSAKANA*>(&t.Put(0, 10)), nullptr);
    EXPECT_NE(dynamic_cast<TARUKU*>(&t.Put(0, 17)), nullptr);
    EXPECT_NE(dynamic_cast<TBATABATA*>(&t.Put(0, 18)), nullptr) << "a crab flaps like its base";
    EXPECT_NE(dynamic_cast<KABUTO*>(&t.Put(0, 20)), nullptr);
    EXPECT_EQ(dynamic_cast<TBATABATA*>(&t.Put(0, 2)), nullptr);
}

TEST(SpeciesCatalogue, CountersNamedForEachSpeciesAreTheOnesItsClassKeeps)
{
    for (int n = 1; n <= kSpeciesCount; ++n) {
        TTestTank t;
        TIKIMONO& c = t.Put(0, n);
        const bool frame = dynamic_cast<TBATABATA*>(&c) || dynamic_cast<TARUKU*>(&c);
        const bool tail = dynamic_cast<TSHIPPO*>(&c) != nullptr;
        const TKindCounters expected = frame ? TKindCounters::Frame : tail ? TKindCounters::Tail : TKindCounters::None;
        EXPECT_FALSE(frame && tail) << "species " << n;
        EXPECT_EQ(FindSpecies(n)->Class.Counters, expected) << "species " << n;
    }
}

TEST(SpeciesCatalogue, UnknownNumbersCreateNothingAndDrawNothing)
{
    TTestTank t;
    const std::uint64_t before = t.Tank.Random.State();
    for (int n : {0, -1, 21, 1000}) {
        EXPECT_EQ(FindSpecies(n), nullptr);
        EXPECT_EQ(CreateCreature(n, &t.Window, nullptr), nullptr);
    }
    EXPECT_EQ(t.Tank.Random.State(), before);
}

TEST(CreatureConstruction, ChildCarriesEditedGenesNotIndividualValues)
{
    TTestTank t(640, 480, 100, 99);
    TIKIMONO& parent = t.Put(0, 1);
    parent.X = 123;
    parent.Y = 45;
    parent.GeneSpeed = 500;
    parent.Speed = 7;
    parent.BreedRate = 3;
    parent.GeneGrowth = 25;
    parent.Generation = 4;
    std::strcpy(parent.FamilyName, "みどり");

    TRandom expected = t.Tank.Random;
    const int dx = expected.rand() % 32 - 16;
    const int dy = expected.rand() % 32 - 16;
    const int giant = expected.LongRand() % 10000 == 10;
    const int bonus = expected.rand() % 100;

    const TIKIMONO& child = t.Put(1, 1, &parent);
    EXPECT_EQ(child.Parent, &parent);
    EXPECT_EQ(child.X, 123);
    EXPECT_EQ(child.Y, 45);
    EXPECT_EQ(child.DX, dx == 0 ? 1 : dx);
    EXPECT_EQ(child.DY, dy == 0 ? 1 : dy);
    EXPECT_EQ(child.Giant, giant);
    EXPECT_STREQ(child.FamilyName, "みどり");
    EXPECT_EQ(child.GeneSpeed, 500);
    EXPECT_EQ(child.Speed, 500);
    EXPECT_EQ(child.BreedRate, 398) << "the gene, not the parent's edited odds";
    EXPECT_EQ(child.RemainingLife, 400 + bonus);
    EXPECT_EQ(child.GeneGrowth, 25);
    EXPECT_EQ(child.Generation, 5);
    EXPECT_EQ(child.Age, 0u);
    EXPECT_EQ(t.Tank.Random.State(), expected.State()) << "a child draws no place";
}

TEST(CreatureConstruction, ZeroLifespanAndEmptyNameFallBackToSpeciesDefault)
{
    TTestTank t;
    TIKIMONO& parent = t.Put(0, 17);
    parent.GeneLifespan = 0;
    parent.FamilyName[0] = '\0';
    parent.GeneBreedRate = 77;

    const TIKIMONO& child = t.Put(1, 17, &parent);
    EXPECT_EQ(child.GeneLifespan, 400);
    EXPECT_STREQ(child.FamilyName, "たにし");
    EXPECT_EQ(child.GeneBreedRate, 77);
    EXPECT_EQ(parent.GeneLifespan, 0) << "the parent keeps its edited value";
}

TEST(CreatureConstruction, DirectionIsNeverZero)
{
    // A seed whose direction draws are both -16 + 16 = 0.
    const std::uint32_t seed = SeedWhere([](TRandom& r) {
        r.rand();
        r.rand();
        return r.rand() % 32 == 16 && r.rand() % 32 == 16;
    });
    TTestTank t(640, 480, 100, seed);
    const TIKIMONO& c = t.Put(0, 3);
    EXPECT_EQ(c.DX, 1);
    EXPECT_EQ(c.DY, 1);
}

TEST(CreatureConstruction, GiantMarkIsDrawnAnewForEveryChild)
{
    const std::uint32_t seed = SeedWhere([](TRandom& r) {
        for (int i = 0; i < 4; ++i)
            r.rand();
        return r.LongRand() % 10000 == 10;
    });
    TTestTank t(640, 480, 100, seed);
    TIKIMONO& giant = t.Put(0, 19);
    EXPECT_EQ(giant.Giant, 1);
    const TIKIMONO& child = t.Put(1, 19, &giant);
    EXPECT_EQ(child.Giant, 0);
}

TEST(CreatureDestruction, ErasesUnlessClosing)
{
    for (const int closing : {0, 1}) {
        TTestTank t;
        TIKIMONO& c = t.Put(0, 2);
        c.X = 100;
        c.Y = 100;
        c.Age = 100;
        t.BeginDrawing();
        c.Show();
        const TRect drawn{100, 100, 116, 116};
        ASSERT_TRUE(t.Filled(drawn, TTestTank::SpriteColour(c.DX < 0 ? 2 : 3)));
        t.Tank.ClosingFlag = closing;
        t.Tank.TankTable[0].reset();
        EXPECT_EQ(t.Filled(drawn, kBackgroundColour), closing == 0) << "closing " << closing;
        t.Tank.ClosingFlag = 0;
    }
}

}  // namespace
