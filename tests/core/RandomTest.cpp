// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "base/random/Random.h"

#include <gtest/gtest.h>

#include <array>

namespace {

struct TSeededRun {
    bool Seeded;
    std::uint32_t Seed;
    std::array<int, 5> First;
};

class RandomSequence : public testing::TestWithParam<TSeededRun> {};

TEST_P(RandomSequence, FirstValuesMatchTheCLibraryDefinition)
{
    const TSeededRun& run = GetParam();
    TRandom random;
    if (run.Seeded)
        random.srand(run.Seed);
    for (int expected : run.First)
        EXPECT_EQ(random.rand(), expected);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSequence,
                         testing::Values(TSeededRun{false, 0, {346, 130, 10982, 1090, 11656}},
                                         TSeededRun{true, 0, {0, 346, 130, 10982, 1090}},
                                         TSeededRun{true, 1, {346, 130, 10982, 1090, 11656}},
                                         TSeededRun{true, 12345, {15301, 24996, 10921, 23577, 19316}},
                                         TSeededRun{true, 4294967295u, {32421, 561, 22046, 20874, 23292}}),
                         [](const testing::TestParamInfo<TSeededRun>& info) {
                             return info.param.Seeded ? "Seed" + std::to_string(info.param.Seed) : std::string("Unseeded");
                         });

TEST(RandomLongDraw, SharesItsLowHalfWithRand)
{
    TRandom fresh;
    EXPECT_EQ(fresh.LongRand(), 5540);
    EXPECT_EQ(fresh.rand(), 19680);

    TRandom seeded;
    seeded.srand(12345);
    EXPECT_EQ(seeded.LongRand(), 68391300);
    EXPECT_EQ(seeded.LongRand(), 482790092);
    EXPECT_EQ(seeded.rand(), 8595);
    EXPECT_EQ(seeded.rand(), 18059);
}

TEST(RandomLongDraw, ChangesWhatRandReturnsNext)
{
    TRandom plain, withLong;
    plain.srand(77);
    withLong.srand(77);
    withLong.LongRand();
    EXPECT_NE(plain.rand(), withLong.rand());
}

}  // namespace
