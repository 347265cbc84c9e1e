// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "Aquarium.h"

#include "app/StartUp.h"
#include "sim/Census.h"
#include "tools/sim/Simulation.h"
#include "ui/Placement.h"
#include "ui/PopulationGraph.h"
#include "ui/SimulationTimer.h"
#include "ui/WatchCommands.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTemporaryDir>

#include <QScreen>

#include <fstream>
#include <sstream>

namespace {

QString Shown(QWidget* census, const char* name)
{
    const auto* label = census->findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("(none)");
}

// A paused aquarium seeded as `tolvenn --seed 2024 400` would be, run `ticks` ticks.
class CensusTest : public ::testing::Test {
protected:
    void Run(int ticks)
    {
        TCommandLine line = ReadCommandLine({"tolvenn", "--seed", "2024", "--paused", "400"});
        PrepareTank(a.Tank, line, 1024, 788, 1);
        a.Window.reset();  // one window at a time holds the tank's bitmaps
        a.Window = std::make_unique<TMyWindow>(a.Tank, line);
        ASSERT_TRUE(a.Open());
        for (int i = 0; i < ticks; ++i)
            a.Window->SendMessage(WM_TIMER, kSimulationTimer, 0);
    }

    TAquarium a;
};

}  // namespace

TEST_F(CensusTest, ShowsTheCountsOfTheTankBesideItWhileItRuns)
{
    Run(250);
    a.Window->SendMessage(WM_SYSCOMMAND, kPauseCommand, 0);
    a.Window->SendMessage(WM_SYSCOMMAND, kCensusCommand, 0);
    QWidget* census = a.Window->Census.Widget();
    ASSERT_NE(census, nullptr);
    EXPECT_TRUE(census->isVisible());
    EXPECT_FALSE(census->isModal());
    EXPECT_TRUE(a.Window->HasTimer(kSimulationTimer)) << "the tank runs on beside it";

    a.Window->SendMessage(WM_SYSCOMMAND, kPauseCommand, 0);
    a.Window->Census.Refresh();
    const TPopulation population = CountPopulation(a.Tank);
    EXPECT_EQ(Shown(census, "tick"), QString::number(a.Tank.Ticks));
    EXPECT_EQ(Shown(census, "creatures"), QStringLiteral("%1 of 400").arg(population.Total));
    EXPECT_EQ(Shown(census, "highest_generation"), QString::number(population.HighestGeneration));
    EXPECT_GT(population.HighestGeneration, 1);
    EXPECT_EQ(Shown(census, "seed"), QStringLiteral("2024"));
    EXPECT_EQ(Shown(census, "tank"), QStringLiteral("1024 × 788 pixels"));
    for (int n = 1; n <= kSpeciesCount; ++n)
        EXPECT_EQ(Shown(census, QStringLiteral("count%1").arg(n).toUtf8().constData()),
                  QString::number(population.PerSpecies[std::size_t(n - 1)]))
            << n;

    const QRect screen = census->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(census->frameGeometry().topLeft()));
}

TEST_F(CensusTest, ExportWritesTheHeadlessCensus)
{
    Run(180);
    QTemporaryDir dir;
    const std::string path = dir.filePath("census.csv").toStdString();
    std::string error;
    ASSERT_TRUE(a.Window->Census.Export(path, error)) << error;
    std::ifstream in(path, std::ios::binary);
    std::stringstream written;
    written << in.rdbuf();

    TSimOptions options;
    options.Seed = 2024;
    options.Capacity = 400;
    options.Ticks = 180;
    std::ostringstream census;
    Simulate(options, {nullptr, &census, nullptr});
    EXPECT_EQ(written.str(), census.str());

    EXPECT_FALSE(a.Window->Census.Export(dir.filePath("missing/census.csv").toStdString(), error));
    EXPECT_FALSE(error.empty());
}

TEST_F(CensusTest, HoveringABandNamesItsSpeciesAndCount)
{
    Run(40);
    a.Window->SendMessage(WM_SYSCOMMAND, kCensusCommand, 0);
    a.Window->Census.Refresh();
    auto* graph = static_cast<TPopulationGraph*>(a.Window->Census.Widget()->findChild<QWidget*>("graph"));
    ASSERT_NE(graph, nullptr);
    // The bottom band at the right end is the goldfish's, with the goldfish's count then.
    const QPoint bottomRight(graph->width() - 6, graph->height() - 17);
    int count = -1;
    std::int64_t tick = -1;
    const int species = graph->SpeciesAt(bottomRight, &count, &tick);
    EXPECT_EQ(species, 1);
    EXPECT_EQ(tick, 40);
    EXPECT_EQ(count, CountPopulation(a.Tank).PerSpecies[0]);
    EXPECT_EQ(graph->SpeciesAt(QPoint(graph->width() - 6, 6)), 0) << "above every band: the tank's free room";
}

TEST(CensusPlacement, BesideTheTankWhereTheScreenHasRoom)
{
    const QRect screen(0, 0, 1920, 1080);
    const QSize size(700, 500);
    const struct {
        QRect Frame;
        QPoint Place;
    } cases[] = {
        {{0, 0, 1000, 700}, {1000, 0}},      // room on the right
        {{1000, 40, 900, 700}, {300, 40}},   // room only on the left
        {{100, 40, 1500, 900}, {1220, 40}},  // no room: at the screen's right edge, over the tank
        {{0, 900, 400, 300}, {400, 580}},    // kept above the screen's bottom
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlaceBeside(c.Frame, size, screen), c.Place) << c.Frame.x() << "," << c.Frame.y();
}
