// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "Aquarium.h"

#include "ui/SimulationTimer.h"
#include "ui/SystemCommand.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {

QScrollBar* SpeedBar(QWidget* d)
{
    return d->findChild<QScrollBar*>("116");
}

void Click(QWidget* d, int id)
{
    d->findChild<QPushButton*>(QString::number(id))->click();
}

}  // namespace

TEST(SpeedDialog, OkTakesTheBarsPositionAndCancelLeavesTheInterval)
{
    const struct {
        int Move;  // 0: leave the bar
        int Button;
        int Interval;
    } cases[] = {{0, 1, 50}, {200, 1, 200}, {200, 2, 50}, {1, 1, 1}, {500, 1, 500}};
    for (const auto& c : cases) {
        TAquarium a;
        ASSERT_TRUE(a.Open());
        int shown = 0;
        WhenModal([&](QWidget* d) {
            shown = SpeedBar(d)->value();
            EXPECT_EQ(SpeedBar(d)->minimum(), 1);
            EXPECT_EQ(SpeedBar(d)->maximum(), 500);
            if (c.Move)
                SpeedBar(d)->setValue(c.Move);
            Click(d, c.Button);
        });
        a.Window->SendMessage(WM_SYSCOMMAND, kSpeedCommand, 0);
        EXPECT_EQ(shown, 50);
        EXPECT_EQ(a.Window->Pace.Interval, c.Interval);
        EXPECT_EQ(a.Window->TimerPeriod(kSimulationTimer), unsigned(c.Interval));
    }
}

TEST(AboutBox, PlaysTheSwishAndShowsItsBoxWhileTheTimerStands)
{
    TAquarium a;
    ASSERT_TRUE(a.Open());
    int swishes = 0;
    bool running = true;
    std::string caption;
    std::string seed;
    WhenModal([&](QWidget* d) {
        swishes = a.Plays("sui");
        running = a.Window->HasTimer(kSimulationTimer);
        caption = d->windowTitle().toStdString();
        seed = d->findChild<QLabel*>("101")->text().toStdString();
        Click(d, 1);
    });
    a.Window->SendMessage(WM_SYSCOMMAND, kAboutCommand, 0);
    EXPECT_EQ(swishes, 2);  // one at start, one for the box
    EXPECT_FALSE(running);
    EXPECT_EQ(caption, "ABOUT");
    EXPECT_EQ(seed, "Seed 7") << "the run's seed, to make it again";
    EXPECT_TRUE(a.Window->HasTimer(kSimulationTimer));
}

TEST(SystemCommands, EveryCommandPausesTheTimerAndNoneRestartsItAfterClose)
{
    for (unsigned command : {SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE, 0x1234u}) {
        TAquarium a;
        ASSERT_TRUE(a.Open());
        const int stops = a.Doubles.Timers.Stops;
        const std::size_t starts = a.Doubles.Timers.Starts.size();
        a.Window->SendMessage(WM_SYSCOMMAND, command, 0);
        EXPECT_EQ(a.Doubles.Timers.Stops, stops + 1) << command;
        EXPECT_EQ(a.Doubles.Timers.Starts.size(), starts + 1) << command;
        EXPECT_TRUE(a.Window->HasTimer(kSimulationTimer));
    }
    TAquarium a;
    ASSERT_TRUE(a.Open());
    const std::size_t starts = a.Doubles.Timers.Starts.size();
    a.Doubles.Timers.FailuresLeft = 5;
    a.Window->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(a.Doubles.Timers.Starts.size(), starts);
    EXPECT_TRUE(a.Doubles.Boxes.Shown.empty());
}
