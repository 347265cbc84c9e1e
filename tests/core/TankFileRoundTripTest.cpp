// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "HeadlessRun.h"

#include "creatures/Ikimono.h"
#include "sim/Catalogue.h"
#include "sim/TankFile.h"
#include "sim/Tick.h"
#include "tools/sim/Census.h"
#include "tools/sim/StateTable.h"

#include <gtest/gtest.h>

#include <sstream>

#include <climits>
#include <cstdint>
#include <functional>
#include <string>

namespace {

constexpr std::int64_t kSearchLimit = 20000;

// When to save: the first tick at or after From for which the condition holds.
using TMoment = std::function<bool(const THeadlessRun&, const TTickCounts&)>;

bool Always(const THeadlessRun&, const TTickCounts&)
{
    return true;
}

bool BirthsAndDeaths(const THeadlessRun&, const TTickCounts& tick)
{
    return tick.Births > 0 && tick.Deaths > 0;
}

bool FullTank(const THeadlessRun& run, const TTickCounts&)
{
    return run.Population() == run.Tank.TankCapacity;
}

struct TRoundTrip {
    const char* Name;
    int Width, Height, Capacity;
    std::uint32_t Seed;
    std::int64_t From;
    TMoment Moment;
    std::int64_t More;
};

void PrintTo(const TRoundTrip& p, std::ostream* out)
{
    *out << p.Name;
}

// The tick count at which the moment first comes in a run of these settings.
std::int64_t FindMoment(const TRoundTrip& p)
{
    THeadlessRun probe(p.Width, p.Height, p.Capacity, p.Seed);
    probe.Run(p.From);
    if (p.From == 0 && p.Moment(probe, TTickCounts{}))
        return 0;
    while (probe.Tank.Ticks < kSearchLimit) {
        TTickCounts tick;
        RunTick(*probe.Window, &tick);
        if (probe.Tank.Ticks >= p.From && p.Moment(probe, tick))
            return probe.Tank.Ticks;
    }
    return -1;
}

class TankFileRoundTrip : public testing::TestWithParam<TRoundTrip> {};

// Saved after T ticks, opened into another running tank and run K more, the tank goes on
// byte for byte as the same run taken T + K ticks without stopping.
TEST_P(TankFileRoundTrip, OpenedTankGoesOnExactlyAsTheUnbrokenRun)
{
    const TRoundTrip& p = GetParam();
    const std::int64_t saveAt = FindMoment(p);
    ASSERT_GE(saveAt, 0) << "the moment never came within " << kSearchLimit << " ticks";

    THeadlessRun straight(p.Width, p.Height, p.Capacity, p.Seed);
    straight.Run(saveAt);
    const std::string file = FormatTankFile(straight.Tank);
    std::ostringstream straightRows;
    TCensus straightCensus(straightRows);
    straight.Run(p.More, &straightCensus);

    // A different tank, already running, is the one that opens the file.
    THeadlessRun opened(640, 480, 100, p.Seed + 1);
    opened.Run(25);
    TSavedTank saved;
    std::string error;
    ASSERT_TRUE(ReadTankFile(file, saved, error)) << error;
    ASSERT_TRUE(RestoreTank(saved, *opened.Window));
    EXPECT_EQ(FormatTankFile(opened.Tank), file) << "the opened tank is the saved one";
    EXPECT_EQ(opened.Tank.Ticks, saveAt);
    EXPECT_EQ(opened.Tank.Seed, p.Seed);
    std::ostringstream openedRows;
    TCensus openedCensus(openedRows);
    opened.Run(p.More, &openedCensus);

    EXPECT_EQ(FormatState(opened.Tank), FormatState(straight.Tank));
    EXPECT_EQ(openedRows.str(), straightRows.str());
    EXPECT_EQ(FormatTankFile(opened.Tank), FormatTankFile(straight.Tank)) << "generator and tick count too";
}

INSTANTIATE_TEST_SUITE_P(
    SeedsSizesAndMoments, TankFileRoundTrip,
    testing::Values(TRoundTrip{"FoundersOnly", 1024, 788, 400, 1, 0, Always, 400},
                    TRoundTrip{"BirthsAndDeathsInTheSavedTick", 640, 480, 100, 4242, 150, BirthsAndDeaths, 500},
                    TRoundTrip{"FullSmallTank", 320, 240, 60, 99, 0, FullTank, 500},
                    TRoundTrip{"FullTinyTank", 64, 64, 50, 7, 0, FullTank, 400},
                    TRoundTrip{"WideTankLargeCapacity", 2000, 300, 800, 31337, 1500, Always, 400},
                    TRoundTrip{"TallNarrowTankBirthsAndDeaths", 64, 2000, 50, 123, 0, BirthsAndDeaths, 600}),
    [](const testing::TestParamInfo<TRoundTrip>& info) { return info.param.Name; });

TEST(TankFile, WriterAndReaderAgreeOnEveryExtremeValue)
{
    TSavedTank saved;
    saved.Width = 16384;
    saved.Height = 64;
    saved.Capacity = 800;
    saved.Ticks = INT64_MAX - 1;
    saved.Seed = UINT32_MAX;
    saved.RandomState = UINT64_MAX;

    TSavedCreature low;
    low.Slot = 0;
    low.Species = 20;  // a tail-waver
    low.X = 0;
    low.Y = 0;
    low.DX = INT_MIN;
    low.DY = INT_MIN;
    low.RemainingLife = INT_MIN;
    low.BreedRate = INT_MIN;
    low.Speed = INT_MIN;
    low.Age = 0;
    low.Giant = 0;
    low.Generation = 1;
    low.GeneLifespan = INT_MIN;
    low.GeneBreedRate = INT_MIN;
    low.GeneSpeed = INT_MIN;
    low.GeneGrowth = INT_MIN;
    low.RunSteps = 0;
    low.PauseSteps = 0;
    low.TailFrame = 1;
    low.FamilyName = "";

    TSavedCreature high = low;
    high.Slot = 799;
    high.Species = 11;  // a walker
    high.X = 16383;
    high.Y = 63;
    high.DX = high.DY = high.RemainingLife = high.BreedRate = high.Speed = INT_MAX;
    high.GeneLifespan = high.GeneBreedRate = high.GeneSpeed = high.GeneGrowth = INT_MAX;
    high.Age = UINT_MAX;
    high.Giant = 1;
    high.Generation = INT_MAX;
    high.Frame = 1;
    high.RunSteps = high.PauseSteps = high.TailFrame = 0;
    // Every byte that needs escaping, and UTF-8 filling the field to its last byte.
    high.FamilyName = std::string("\\\t\n\r\x01\x1F\x7F", 7) + "ab" + "くまのみくまのみくま";
    ASSERT_EQ(high.FamilyName.size(), 39u);

    saved.Creatures = {low, high};
    const std::string file = FormatTankFile(saved);
    TSavedTank read;
    std::string error;
    ASSERT_TRUE(ReadTankFile(file, read, error)) << error << "\n" << file;
    EXPECT_EQ(read, saved);
    EXPECT_EQ(file.find('\r'), std::string::npos) << "escaped";
    EXPECT_NE(file.find("random 4294967295 4294967295\n"), std::string::npos) << file;
}

TEST(TankFile, SmallExample)
{
    TSavedTank saved;
    saved.Width = 320;
    saved.Height = 240;
    saved.Capacity = 60;
    saved.Ticks = 5;
    saved.Seed = 99;
    saved.RandomState = (std::uint64_t(7) << 32) | 123456789u;
    TSavedCreature fish;
    fish.Slot = 3;
    fish.Species = 1;
    fish.X = 10;
    fish.Y = 20;
    fish.DX = -3;
    fish.DY = 4;
    fish.RemainingLife = 410;
    fish.BreedRate = 398;
    fish.Speed = 100;
    fish.Age = 105;
    fish.Generation = 2;
    fish.GeneLifespan = 400;
    fish.GeneBreedRate = 398;
    fish.GeneSpeed = 100;
    fish.GeneGrowth = 10;
    fish.FamilyName = "きん\tぎょ";
    TSavedCreature crab = fish;
    crab.Slot = 7;
    crab.Species = 20;
    crab.RunSteps = 4;
    crab.TailFrame = 1;
    crab.FamilyName = "かぶとがに";
    saved.Creatures = {fish, crab};
    EXPECT_EQ(FormatTankFile(saved),
              "tolvenn-tank 1\n"
              "extent 320x240\n"
              "capacity 60\n"
              "ticks 5\n"
              "seed 99\n"
              "random 123456789 7\n"
              "creatures 2\n"
              "slot\tspecies\tclass\tx\ty\tdx\tdy\tlife\tbreed_rate\tspeed\tage\tgiant\tgeneration\tgene_lifespan\t"
              "gene_breed_rate\tgene_speed\tgene_growth\tframe\trun_steps\tpause_steps\ttail_frame\tfamily\n"
              "3\t1\tGYOPI\t10\t20\t-3\t4\t410\t398\t100\t105\t0\t2\t400\t398\t100\t10\t-\t-\t-\t-\tきん\\tぎょ\n"
              "7\t20\tKABUTO\t10\t20\t-3\t4\t410\t398\t100\t105\t0\t2\t400\t398\t100\t10\t-\t4\t0\t1\tかぶとがに\n");
}

TEST(TankFile, LinesMayEndWithCarriageReturns)
{
    THeadlessRun run(320, 240, 60, 5);
    run.Run(20);
    const std::string file = FormatTankFile(run.Tank);
    std::string crlf;
    for (char c : file)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    TSavedTank fromLf;
    TSavedTank fromCrlf;
    std::string error;
    ASSERT_TRUE(ReadTankFile(file, fromLf, error)) << error;
    ASSERT_TRUE(ReadTankFile(crlf, fromCrlf, error)) << error;
    EXPECT_EQ(fromCrlf, fromLf);
}

}  // namespace
