// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "creatures/Ikimono.h"
#include "sim/CensusHistory.h"
#include "sim/HeadlessWindow.h"
#include "sim/Population.h"
#include "sim/SpriteSet.h"
#include "sim/Tank.h"
#include "sim/Tick.h"
#include "tools/sim/Simulation.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// A run as the headless tool makes it (1024 x 788, capacity 400), its census recorded tick
// by tick into a history of at most maxRows rows.
TCensusHistory RecordRun(std::uint32_t seed, int ticks, std::size_t maxRows)
{
    TTank tank;
    tank.ScreenWidth = 1024;
    tank.ScreenHeight = 788;
    tank.TankCapacity = 400;
    LoadBitmaps(tank);
    THeadlessWindow window(tank);
    tank.SeedRandom(seed);
    PopulateTank(window);
    TCensusHistory history(maxRows);
    history.Start(tank);
    for (int i = 0; i < ticks; ++i) {
        TTickCounts counts;
        RunTick(window, &counts);
        history.Record(tank, counts);
    }
    tank.Close();
    DeleteBitmaps(tank);
    return history;
}

std::string HeadlessCensus(std::uint32_t seed, std::int64_t ticks, std::int64_t every)
{
    TSimOptions options;
    options.Seed = seed;
    options.Capacity = 400;
    options.Ticks = int(ticks);
    options.Every = int(every);
    std::ostringstream census;
    Simulate(options, {nullptr, &census, nullptr});
    return census.str();
}

}  // namespace

TEST(CensusHistory, EveryTickUntilFullReadsAsTheHeadlessCensus)
{
    const TCensusHistory history = RecordRun(21, 300, 1000);
    EXPECT_EQ(history.Stride(), 1);
    ASSERT_EQ(history.Rows().size(), 301u);
    EXPECT_EQ(history.Text(), HeadlessCensus(21, 300, 1));
}

TEST(CensusHistory, ThinnedRowsReadAsACensusAtTheWiderStride)
{
    // 16 rows at most: 1000 ticks thin it several times over.
    const TCensusHistory history = RecordRun(8, 1000, 16);
    ASSERT_LE(history.Rows().size(), 16u);
    EXPECT_EQ(history.Stride(), 128);
    const std::int64_t last = history.Rows().back().Tick;
    EXPECT_EQ(last, 896);
    EXPECT_EQ(history.Text(), HeadlessCensus(8, last, history.Stride()));

    // Nothing is lost by thinning: the totals are those of every tick.
    const TCensusHistory full = RecordRun(8, 1000, 2000);
    EXPECT_EQ(history.TotalBirths(), full.TotalBirths());
    EXPECT_EQ(history.TotalDeaths(), full.TotalDeaths());
    std::int64_t births = 0;
    for (const auto& row : full.Rows())
        births += row.Births;
    EXPECT_EQ(births, full.TotalBirths());
}

TEST(CensusHistory, CountsMatchTheTableAndItsGenerations)
{
    TTank tank;
    tank.ScreenWidth = 640;
    tank.ScreenHeight = 480;
    tank.TankCapacity = 100;
    LoadBitmaps(tank);
    THeadlessWindow window(tank);
    tank.SeedRandom(5);
    PopulateTank(window);
    tank.TankTable[3]->Generation = 17;
    tank.TankTable[999] = std::move(tank.TankTable[0]);  // beyond the capacity still counts
    const TPopulation population = CountPopulation(tank);
    EXPECT_EQ(population.Total, 40);
    EXPECT_EQ(population.HighestGeneration, 17);
    int sum = 0;
    for (int n = 0; n < kSpeciesCount; ++n) {
        EXPECT_GE(population.PerSpecies[std::size_t(n)], 1) << "every species is among the founders";
        sum += population.PerSpecies[std::size_t(n)];
    }
    EXPECT_EQ(sum, 40);
    tank.Close();
    DeleteBitmaps(tank);
}
