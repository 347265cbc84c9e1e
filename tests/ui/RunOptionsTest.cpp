// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "Doubles.h"
#include "app/CommandLine.h"
#include "app/MyApp.h"
#include "platform/window/HostWindow.h"
#include "app/RunMeter.h"
#include "base/resources/ResourceStore.h"
#include "sim/Census.h"
#include "sim/Tank.h"

#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <regex>

TEST(RunMeter, StatsLineFormat)
{
    const struct {
        std::int64_t Ticks;
        double Seconds;
        int Population;
        double CpuSeconds;
        const char* Line;
    } cases[] = {
        {1000, 2.0, 40, 0.5, "ticks=1000 seconds=2.000 ticks_per_s=500.0 population=40 cpu_ms_per_tick=0.500"},
        {3, 1.5, 0, 0.0009, "ticks=3 seconds=1.500 ticks_per_s=2.0 population=0 cpu_ms_per_tick=0.300"},
        {0, 0.0, 12, 0.2, "ticks=0 seconds=0.000 ticks_per_s=0.0 population=12 cpu_ms_per_tick=0.000"},
        {123456789, 3600.25, 800, 74.0,
         "ticks=123456789 seconds=3600.250 ticks_per_s=34291.2 population=800 cpu_ms_per_tick=0.001"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatRunStats(c.Ticks, c.Seconds, c.Population, c.CpuSeconds), c.Line);
}

TEST(RunMeter, TimeIsUpOnceAndOnlyForARunWithAnEnd)
{
    TRunMeter endless;
    endless.Start(0);
    EXPECT_FALSE(endless.TimeIsUp());
    EXPECT_EQ(endless.StatsLine(), "");

    TRunMeter meter;
    meter.Start(1);
    EXPECT_FALSE(meter.TimeIsUp());
    QTimer::singleShot(1050, [] { QApplication::exit(); });
    QApplication::exec();
    EXPECT_TRUE(meter.TimeIsUp());
    EXPECT_FALSE(meter.TimeIsUp());
}

// The whole road of the options: the command line, the application, the window's timer,
// the close command with its sound, and the figures of the run.
TEST(RunOptions, RunForClosesThroughTheCloseCommandAndStatsDescribeTheRun)
{
    TServiceDoubles doubles;
    TTank tank;
    tank.ScreenWidth = 1024;
    tank.ScreenHeight = 788;
    tank.TankCapacity = 100;
    tank.SeedRandom(3);
    const TCommandLine line = ReadCommandLine({"tolvenn", "--speed", "5", "--run-for", "1", "--stats"});
    ASSERT_EQ(line.Action, TCommandLine::TAction::Run);
    TMyApp app(tank, line);
    // Should the run not end by itself, the test fails instead of hanging.
    bool stuck = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        stuck = true;
        if (app.GetMainWindow())
            app.GetMainWindow()->Destroy();
    });
    guard.start(15000);

    EXPECT_EQ(app.Run(), 0);
    ASSERT_FALSE(stuck);
    EXPECT_EQ(tank.ClosingFlag, 1);
    EXPECT_EQ(CountPopulation(tank).Total, 0);
    ASSERT_FALSE(doubles.Timers.Starts.empty());
    EXPECT_EQ(doubles.Timers.Starts.front(), 5u);
    const TResourceEntry* uge = FindResourceA("uge", "WAVE");
    ASSERT_FALSE(doubles.Sounds.Played.empty());
    EXPECT_EQ(doubles.Sounds.Played.back().Image, uge->Data);

    long long ticks = -1;
    double seconds = 0, perSecond = 0, cpu = -1;
    int population = -1;
    const std::string stats = app.StatsLine();
    ASSERT_EQ(std::sscanf(stats.c_str(), "ticks=%lld seconds=%lf ticks_per_s=%lf population=%d cpu_ms_per_tick=%lf",
                          &ticks, &seconds, &perSecond, &population, &cpu),
              5)
        << stats;
    EXPECT_EQ(ticks, tank.Ticks);
    EXPECT_GT(ticks, 0);
    EXPECT_GE(seconds, 1.0);
    EXPECT_GT(population, 0);
    EXPECT_LE(population, 100);
    EXPECT_GE(cpu, 0.0);
}

// The program itself: the options on its command line, the line on standard error at exit,
// and one line and exit 2 for a value out of range.
TEST(RunOptions, TheProgramClosesByItselfAndPrintsItsStatsLine)
{
    const struct {
        QStringList Args;
        int Exit;
        const char* Says;  // a pattern for a whole line of standard error
    } cases[] = {
        {{"60", "--speed", "5", "--run-for", "1", "--stats"}, 0,
         R"(ticks=[1-9][0-9]* seconds=[0-9]+\.[0-9]{3} ticks_per_s=[0-9]+\.[0-9] population=[0-9]+ )"
         R"(cpu_ms_per_tick=[0-9]+\.[0-9]{3})"},
        {{"--speed", "0"}, 2, R"(tolvenn: --speed takes a whole number from 1 to 500, not .0.)"},
        {{"--run-for", "0", "--stats"}, 2, R"(tolvenn: --run-for takes a whole number from 1 to 1000000, not .0.)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Args.join(' ').toStdString());
        const std::optional<TProgramRun> run = RunProgram(c.Args);
        if (!run)
            continue;
        EXPECT_EQ(run->ExitCode, c.Exit);
        const std::string& said = run->Said;
        EXPECT_TRUE(std::regex_search(said, std::regex(std::string("(^|\n)") + c.Says + "\n"))) << said;
    }
}
