// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "TestTank.h"

#include "sim/Catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string>

namespace {

// The settings dialog writes the two typed numbers (remaining life, average lifespan)
// anywhere in the int range and the five bars within 3 to 1000 or 3 to 100; after a
// Cancel a bar's field keeps whatever it held. Every field is fed every extreme here.
struct TField {
    const char* Name;
    int TIKIMONO::*Member;
};

const TField kFields[] = {
    {"RemainingLife", &TIKIMONO::RemainingLife}, {"GeneLifespan", &TIKIMONO::GeneLifespan},
    {"Speed", &TIKIMONO::Speed},                 {"GeneSpeed", &TIKIMONO::GeneSpeed},
    {"BreedRate", &TIKIMONO::BreedRate},         {"GeneBreedRate", &TIKIMONO::GeneBreedRate},
    {"GeneGrowth", &TIKIMONO::GeneGrowth},
};

// The int limits and their neighbours, the bars' ends (3, 100, 1000), the most negative
// ten typed characters can say, and the "(10-30000)" hints beside the typed numbers.
const int kValues[] = {
    INT_MIN, -999999999, -1, 0, 1, 2, 3, 10, 99, 100, 101, 1000, 1001, 10000, 30000, INT_MAX - 99, INT_MAX - 1, INT_MAX,
};

// One species of each step rule: base, fish, flapper, walker, quiet one, crab, tail-waver.
const int kSpecies[] = {2, 1, 4, 11, 15, 18, 20};

// Steps given to the edited value itself; a life still longer is then cut to its last steps.
constexpr int kStepsAsEdited = 300;

// What the catalogue makes of a child of `parent`, given the generator as it stands just
// before the birth: a zero gene takes the species default, and the life is the lifespan
// plus a draw of 0 to 99, held at INT_MAX.
void ExpectChildOf(const TIKIMONO& parent, const TIKIMONO& child, TRandom random)
{
    const TSpeciesEntry& entry = *FindSpecies(parent.Species);
    random.rand();      // DX
    random.rand();      // DY
    random.LongRand();  // giant mark
    const int bonus = random.rand() % 100;
    const int lifespan = parent.GeneLifespan != 0 ? parent.GeneLifespan : entry.Lifespan;
    const int breedRate = parent.GeneBreedRate != 0 ? parent.GeneBreedRate : entry.BreedRate;
    const int speed = parent.GeneSpeed != 0 ? parent.GeneSpeed : entry.Speed;
    EXPECT_EQ(child.GeneLifespan, lifespan);
    EXPECT_EQ(child.RemainingLife, int(std::min<long long>((long long)lifespan + bonus, INT_MAX)));
    EXPECT_EQ(child.GeneBreedRate, breedRate);
    EXPECT_EQ(child.BreedRate, breedRate);
    EXPECT_EQ(child.GeneSpeed, speed);
    EXPECT_EQ(child.Speed, speed);
    EXPECT_EQ(child.GeneGrowth, parent.GeneGrowth);
    EXPECT_EQ(child.Generation, parent.Generation + 1);
    EXPECT_EQ(child.Age, 0u);
}

// The drawn width at the creature's age: half while Age is at most GeneGrowth, three
// quarters while it is at most twice GeneGrowth, then full; growth read as unsigned, so a
// negative one is a very slow one. A giant is twice the size throughout.
int ExpectedDrawnWidth(const TIKIMONO& c)
{
    const unsigned long long growth = static_cast<unsigned int>(c.GeneGrowth);
    if (c.Giant)
        return 2 * c.Width;
    if (c.Age > 2 * growth)
        return c.Width;
    if (c.Age > growth)
        return c.Width / 4 * 3;
    return c.Width / 2;
}

// Steps the creature until it dies, checking every step; makes its child at its first
// breeding step (or at its death, when chance gave it none) and checks that too.
void LiveOut(TTestTank& t, TIKIMONO& c)
{
    const int startLife = c.RemainingLife;
    int acted = 0;
    std::unique_ptr<TIKIMONO> child;
    for (int step = 0;; ++step) {
        // The slowest kind acts on about one tick in two.
        ASSERT_LT(step, 4 * kStepsAsEdited) << "a creature with its life cut short did not die";
        if (acted == kStepsAsEdited)
            c.RemainingLife = std::min(c.RemainingLife, 2);
        const int life = c.RemainingLife;
        const unsigned int age = c.Age;
        const int x = c.X, y = c.Y;
        const TStepResult result = c.Step();
        if (result == STEP_DIE) {
            EXPECT_LE(life, 0);
            EXPECT_EQ(c.Age, age) << "a death neither moves nor draws";
            EXPECT_EQ(c.X, x);
            EXPECT_EQ(c.Y, y);
            break;
        }
        if (c.Age == age) {
            EXPECT_EQ(result, STEP_LIVE) << "a skipped tick";
            EXPECT_EQ(c.RemainingLife, life);
            EXPECT_EQ(c.X, x);
            EXPECT_EQ(c.Y, y);
            continue;
        }
        ++acted;
        EXPECT_GT(life, 0);
        EXPECT_EQ(c.RemainingLife, life - 1);
        EXPECT_GE(c.X, 0);
        EXPECT_LE(c.X, 640 - c.Width);
        EXPECT_GE(c.Y, 0);
        EXPECT_LE(c.Y, 480 - c.Height - 16);
        TRect area;
        ASSERT_TRUE(c.DrawnArea(area));
        EXPECT_EQ(area.Width(), ExpectedDrawnWidth(c)) << "age " << c.Age;
        if (c.BreedRate <= 1) {
            EXPECT_EQ(result, STEP_BREED) << "odds of one in one or less";
        }
        if (result == STEP_BREED && !child) {
            const TRandom before = t.Tank.Random;
            child = CreateCreature(c.Species, &t.Window, &c);
            ASSERT_NE(child, nullptr);
            ExpectChildOf(c, *child, before);
        }
        if (testing::Test::HasFailure())
            return;
    }
    if (startLife <= kStepsAsEdited) {
        EXPECT_EQ(acted, std::max(startLife, 0)) << "one acting step per unit of life";
    }
    if (!child) {
        const TRandom before = t.Tank.Random;
        child = CreateCreature(c.Species, &t.Window, &c);
        ASSERT_NE(child, nullptr);
        ExpectChildOf(c, *child, before);
    }
}

// Each extreme written into one field of a parent and of its child: the child is born of
// the edited parent, lives with the edited value to its death, and has a child in turn.
TEST(EditedGenes, EveryExtremeGivesADefinedLifeFromBirthToDeath)
{
    std::uint32_t seed = 1;
    for (const TField& field : kFields)
        for (const int value : kValues)
            for (const int species : kSpecies) {
                SCOPED_TRACE(std::string(field.Name) + " = " + std::to_string(value) + ", species " +
                             std::to_string(species));
                TTestTank t(640, 480, 100, seed++);
                t.BeginDrawing();
                TIKIMONO& parent = t.Put(0, species);
                parent.*field.Member = value;
                const TRandom before = t.Tank.Random;
                TIKIMONO& child = t.Put(1, species, &parent);
                ExpectChildOf(parent, child, before);
                child.*field.Member = value;
                LiveOut(t, child);
                if (testing::Test::HasFailure())
                    return;
            }
}

// The two counters that only ever grow stop at their largest values: an old creature does
// not shrink back to a newborn's size, nor a child count its generation from below zero.
TEST(EditedGenes, AgeAndGenerationStopAtTheirLargestValues)
{
    TTestTank t;
    t.BeginDrawing();
    TIKIMONO& c = t.Put(0, 2);
    c.X = 300;
    c.Y = 200;
    c.Giant = 0;
    c.Age = UINT_MAX - 1;
    for (int i = 0; i < 2; ++i)
        c.DrawBitmap(c.Bitmaps[0]);
    EXPECT_EQ(c.Age, UINT_MAX);
    TRect area;
    ASSERT_TRUE(c.DrawnArea(area));
    EXPECT_EQ(area.Width(), c.Width) << "still full size";

    c.Generation = INT_MAX;
    EXPECT_EQ(t.Put(1, 2, &c).Generation, INT_MAX);
}

}  // namespace
