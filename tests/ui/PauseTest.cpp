// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "Aquarium.h"

#include "platform/window/Menu.h"
#include "ui/SimulationTimer.h"
#include "ui/SystemCommand.h"
#include "ui/WatchCommands.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

namespace {

// What a tick would change: the picture, the generator and the tick count.
struct TSnapshot {
    explicit TSnapshot(TAquarium& a)
        : Picture(a.Window->Picture()), Random(a.Tank.Random.State()), Ticks(a.Tank.Ticks)
    {
    }
    bool operator==(const TSnapshot& o) const
    {
        if (Random != o.Random || Ticks != o.Ticks || Picture.Width() != o.Picture.Width() ||
            Picture.Height() != o.Picture.Height())
            return false;
        for (int y = 0; y < Picture.Height(); ++y)
            for (int x = 0; x < Picture.Width(); ++x)
                if (Picture.Pixel(x, y) != o.Picture.Pixel(x, y))
                    return false;
        return true;
    }
    TBitmap Picture;
    std::uint64_t Random;
    std::int64_t Ticks;
};

bool Checked(TAquarium& a, unsigned command)
{
    for (const auto& item : GetSystemMenu(a.Window.get(), false)->Items)
        if (item.Id == command)
            return (item.Flags & MF_CHECKED) != 0;
    ADD_FAILURE() << "no entry " << command;
    return false;
}

std::string Title(TAquarium& a)
{
    return a.Window->Widget()->windowTitle().toStdString();
}

}  // namespace

TEST(Pause, APausedTankDrawsNothingAndDrawsNoRandomNumbers)
{
    TAquarium a;
    ASSERT_TRUE(a.Open());
    RunFor(120);
    ASSERT_GT(a.Tank.Ticks, 0) << "the tank runs before the pause";

    a.Window->SendMessage(WM_SYSCOMMAND, kPauseCommand, 0);
    EXPECT_FALSE(a.Window->HasTimer(kSimulationTimer));
    EXPECT_EQ(Title(a), "Tolvenn (paused)");
    EXPECT_TRUE(Checked(a, kPauseCommand));
    const TSnapshot paused(a);
    RunFor(300);
    EXPECT_TRUE(TSnapshot(a) == paused);

    a.Window->SendMessage(WM_SYSCOMMAND, kPauseCommand, 0);
    EXPECT_EQ(Title(a), "Tolvenn");
    EXPECT_FALSE(Checked(a, kPauseCommand));
    EXPECT_EQ(a.Window->TimerPeriod(kSimulationTimer), 50u);
    RunFor(150);
    EXPECT_GT(a.Tank.Ticks, paused.Ticks);
}

TEST(Pause, StepRunsExactlyOneTickAndOnlyWhilePaused)
{
    TAquarium a(100, 31, [] {
        TCommandLine options;
        options.Paused = true;
        return options;
    }());
    ASSERT_TRUE(a.Open());
    ASSERT_EQ(a.Tank.Ticks, 0);

    // The same tick as the headless tick would run from the same state.
    const std::uint64_t before = a.Tank.Random.State();
    a.Window->SendMessage(WM_SYSCOMMAND, kStepCommand, 0);
    EXPECT_EQ(a.Tank.Ticks, 1);
    EXPECT_NE(a.Tank.Random.State(), before);
    EXPECT_FALSE(a.Window->HasTimer(kSimulationTimer));
    EXPECT_EQ(a.Window->History.Rows().size(), 2u) << "the census takes the step";

    a.Window->SendMessage(WM_SYSCOMMAND, kStepCommand, 0);
    a.Window->SendMessage(WM_SYSCOMMAND, kStepCommand, 0);
    EXPECT_EQ(a.Tank.Ticks, 3);

    a.Window->SendMessage(WM_SYSCOMMAND, kPauseCommand, 0);
    const std::int64_t ticks = a.Tank.Ticks;
    a.Window->SendMessage(WM_SYSCOMMAND, kStepCommand, 0);
    EXPECT_EQ(a.Tank.Ticks, ticks) << "a running tank is not stepped";
}

TEST(Pause, StartingPausedShowsTheFoundersStill)
{
    TCommandLine options;
    options.Paused = true;
    TAquarium a(100, 7, options);
    ASSERT_TRUE(a.Open());
    EXPECT_FALSE(a.Window->HasTimer(kSimulationTimer));
    EXPECT_EQ(Title(a), "Tolvenn (paused)");
    EXPECT_EQ(a.Count(), 40);
    const TBitmap& picture = a.Window->Picture();
    int drawn = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            drawn += picture.Pixel(x, y) != kBackgroundColour;
    EXPECT_GT(drawn, 500) << "the founders are on show";
    const TSnapshot still(a);
    RunFor(150);
    EXPECT_TRUE(TSnapshot(a) == still);
    EXPECT_EQ(a.Tank.Ticks, 0);
}

TEST(Pause, ClosingADialogOrTheMenuDoesNotResumeAPausedTank)
{
    TAquarium a;
    ASSERT_TRUE(a.Open());
    a.Window->SendMessage(WM_SYSCOMMAND, kPauseCommand, 0);

    for (const unsigned command : {unsigned(SC_RESTORE), kAboutCommand, kSpeedCommand}) {
        SCOPED_TRACE(command);
        if (command != SC_RESTORE)
            WhenModal([](QWidget* d) { d->findChild<QPushButton*>("1")->click(); });
        a.Window->SendMessage(WM_SYSCOMMAND, command, 0);
        EXPECT_FALSE(a.Window->HasTimer(kSimulationTimer));
    }

    // The settings dialog of a creature.
    const TIKIMONO& creature = *a.Tank.TankTable[0];
    const int x = a.Window->ClientX(creature.X), y = a.Window->ClientY(creature.Y);
    bool opened = false;
    WhenModal([&](QWidget* d) {
        opened = true;
        d->findChild<QPushButton*>("2")->click();
    });
    a.Window->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(x, y));
    EXPECT_TRUE(opened);
    EXPECT_FALSE(a.Window->HasTimer(kSimulationTimer));

    a.Window->SendMessage(WM_SYSCOMMAND, kPauseCommand, 0);
    EXPECT_TRUE(a.Window->HasTimer(kSimulationTimer));
}

TEST(Pause, KeysWorkAsTheMenuEntriesShowThem)
{
    TAquarium a;
    ASSERT_TRUE(a.Open());
    QWidget* frame = a.Window->Widget();
    frame->activateWindow();
    QApplication::setActiveWindow(frame);
    a.Window->ClientWidget()->setFocus();

    QTest::keyClick(a.Window->ClientWidget(), Qt::Key_Space);
    EXPECT_TRUE(a.Window->Pace.Paused);
    const std::int64_t ticks = a.Tank.Ticks;
    QTest::keyClick(a.Window->ClientWidget(), Qt::Key_Period);
    EXPECT_EQ(a.Tank.Ticks, ticks + 1);
    QTest::keyClick(a.Window->ClientWidget(), Qt::Key_Space);
    EXPECT_FALSE(a.Window->Pace.Paused);

    std::map<unsigned, std::string> texts;
    for (const auto& item : GetSystemMenu(a.Window.get(), false)->Items)
        texts[item.Id] = item.Text;
    EXPECT_EQ(texts[kPauseCommand], "Pause\tSpace");
    EXPECT_EQ(texts[kStepCommand], "Step one tick\t.");
    EXPECT_EQ(texts[kCensusCommand], "Census...\tF2");
    EXPECT_EQ(texts[kFullScreenCommand], "Full screen\tF11");
}

TEST(Mute, TheToggleSilencesEverySound)
{
    TAquarium a;
    ASSERT_TRUE(a.Open());
    ASSERT_EQ(a.Plays("sui"), 1) << "sound is on by default";
    a.Window->SendMessage(WM_SYSCOMMAND, kMuteCommand, 0);
    EXPECT_TRUE(Checked(a, kMuteCommand));

    // Scooping every founder, the About box and closing: all silent.
    a.Window->SendMessage(WM_SYSCOMMAND, kPauseCommand, 0);
    for (int i = 0; i < 40; ++i)
        if (const auto& c = a.Tank.TankTable[std::size_t(i)])
            a.Window->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON,
                                  MAKELPARAM(a.Window->ClientX(c->X), a.Window->ClientY(c->Y)));
    EXPECT_LT(a.Count(), 40);
    WhenModal([](QWidget* d) { d->findChild<QPushButton*>("1")->click(); });
    a.Window->SendMessage(WM_SYSCOMMAND, kAboutCommand, 0);
    EXPECT_EQ(a.Plays("sui"), 1);
    EXPECT_EQ(a.Plays("uge"), 0);

    a.Window->SendMessage(WM_SYSCOMMAND, kMuteCommand, 0);
    EXPECT_FALSE(Checked(a, kMuteCommand));
    a.Window->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(a.Plays("uge"), 1);
}
