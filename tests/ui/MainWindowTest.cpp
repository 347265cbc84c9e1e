// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "Aquarium.h"

#include "base/gfx/IconPicture.h"
#include "platform/window/Menu.h"
#include "sim/HeadlessWindow.h"
#include "sim/Population.h"
#include "ui/SimulationTimer.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QWidget>

TEST(MainWindow, OpensAsTheAquarium)
{
    TAquarium a;
    ASSERT_TRUE(a.Open());
    EXPECT_EQ(a.Window->Widget()->windowTitle().toStdString(), "Tolvenn");
    EXPECT_EQ(a.Window->Widget()->property("windowClass").toString().toStdString(), "VEO");
    EXPECT_EQ(a.Window->WindowClass().Style, CS_DBLCLKS);
    ASSERT_NE(a.Window->ClassCursor(), nullptr);
    EXPECT_EQ(a.Window->ClassCursor()->Name, "CURSOR1");
    EXPECT_EQ(a.Window->WindowClass().Background, kBackgroundColour);
    EXPECT_EQ(a.Plays("sui"), 1);
    EXPECT_EQ(a.Count(), 40);
    EXPECT_TRUE(a.Window->HasTimer(kSimulationTimer));
    EXPECT_EQ(a.Window->TimerPeriod(kSimulationTimer), 50u);

    const auto& items = GetSystemMenu(a.Window.get(), false)->Items;
    ASSERT_GE(items.size(), 3u);
    const auto* tail = &items[items.size() - 3];
    EXPECT_TRUE(tail[0].Flags & MF_SEPARATOR);
    EXPECT_EQ(tail[1].Text, "速さ...");
    EXPECT_EQ(tail[1].Id, 2u);
    EXPECT_EQ(tail[2].Text, "About...\tF1");
    EXPECT_EQ(tail[2].Id, 1u);
}

TEST(MainWindow, IconComesInEveryDesktopSizeWithTransparentWater)
{
    TAquarium a;
    ASSERT_TRUE(a.Open());
    const QIcon icon = a.Window->Widget()->windowIcon();
    QList<QSize> expected;
    for (const int size : kIconSizes)
        expected << QSize(size, size);
    EXPECT_EQ(icon.availableSizes(), expected);
    for (const int size : kIconSizes) {
        const QImage image = icon.pixmap(size, size).toImage();
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size << ": the corner is water";
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size << ": the middle is drawn";
    }
}

TEST(MainWindow, ScrollRangeFollowsSizing)
{
    TAquarium a;
    EXPECT_EQ(a.Window->Scroller->XRange, 1024 / 32);
    EXPECT_EQ(a.Window->Scroller->YRange, 788 / 32);
    ASSERT_TRUE(a.Open());
    const TRect client = a.Window->GetClientRect();
    EXPECT_EQ(a.Window->ClientWidth(), client.Right);
    EXPECT_EQ(a.Window->ClientHeight(), client.Bottom);
    EXPECT_EQ(a.Window->Scroller->XRange, (1024 - client.Right) / 16);
    EXPECT_EQ(a.Window->Scroller->YRange, (788 - client.Bottom) / 16);

    a.Window->Scroller->ScrollTo(5, 5);
    a.Window->SendMessage(WM_SIZE, SIZE_MINIMIZED, 0);
    EXPECT_EQ(a.Window->Scroller->XRange, (1024 - client.Right) / 16);
    EXPECT_EQ(a.Window->Scroller->XPos, 5);

    a.Window->SendMessage(WM_SIZE, SIZE_MAXIMIZED, 0);
    EXPECT_EQ(a.Window->Scroller->XRange, 0);
    EXPECT_EQ(a.Window->Scroller->YRange, 0);
    EXPECT_EQ(a.Window->Scroller->XPos, 0);
    EXPECT_EQ(a.Window->Scroller->YPos, 0);

    a.Window->SendMessage(WM_SIZE, SIZE_RESTORED, 0);
    EXPECT_EQ(a.Window->Scroller->XRange, (1024 - client.Right) / 16);
}

TEST(MainWindow, ScrollingMovesThePictureAndFillsTheStrip)
{
    TAquarium a;
    ASSERT_TRUE(a.Open());
    a.Window->SendMessage(WM_SIZE, SIZE_RESTORED, 0);
    ASSERT_GT(a.Window->Scroller->XRange, 0);
    TBitmap& picture = a.Window->Picture();
    picture.SetPixel(40, 3, RGB(1, 2, 3));
    a.Window->Scroller->ScrollTo(1, 0);
    EXPECT_EQ(picture.Pixel(24, 3), RGB(1, 2, 3));
    a.Window->Scroller->ScrollTo(0, 0);
    EXPECT_EQ(picture.Pixel(40, 3), RGB(1, 2, 3));
    EXPECT_EQ(picture.Pixel(5, 3), kBackgroundColour);
}

TEST(MainWindow, ClosingEmptiesTheWholeTableWithoutDrawing)
{
    TAquarium a;
    ASSERT_TRUE(a.Open());
    // Slots beyond the capacity are emptied too.
    a.Tank.TankTable[999] = std::move(a.Tank.TankTable[0]);
    const TBitmap before = a.Window->Picture();

    a.Window->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);

    EXPECT_FALSE(a.Window->IsWindow());
    EXPECT_EQ(a.Tank.ClosingFlag, 1);
    EXPECT_EQ(a.Count(), 0);
    EXPECT_FALSE(a.Window->HasTimer(kSimulationTimer));
    EXPECT_EQ(a.Plays("uge"), 1);
    EXPECT_TRUE(a.Doubles.Boxes.Shown.empty());
    const TBitmap& after = a.Window->Picture();
    ASSERT_EQ(after.Width(), before.Width());
    for (int y = 0; y < after.Height(); ++y)
        for (int x = 0; x < after.Width(); ++x)
            ASSERT_EQ(after.Pixel(x, y), before.Pixel(x, y)) << x << "," << y;
}

TEST(MainWindow, TimerStartRetriesBehindAMessageBox)
{
    TAquarium a;
    a.Doubles.Timers.FailuresLeft = 3;
    ASSERT_TRUE(a.Open());
    EXPECT_EQ(a.Doubles.Boxes.Shown,
              std::vector<std::string>(3, "Tolvenn: No Timers Left"));
    EXPECT_TRUE(a.Window->HasTimer(kSimulationTimer));
}

TEST(MainWindow, SystemCommandPausesAndRestartsWithTheCurrentInterval)
{
    TAquarium a;
    ASSERT_TRUE(a.Open());
    const int stops = a.Doubles.Timers.Stops;
    a.Window->Pace.Interval = 120;
    a.Doubles.Timers.FailuresLeft = 1;
    a.Window->SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(a.Doubles.Timers.Stops, stops + 1);
    EXPECT_EQ(a.Doubles.Boxes.Shown.size(), 1u);
    EXPECT_EQ(a.Window->TimerPeriod(kSimulationTimer), 120u);
}

TEST(MainWindow, TheTitleBarCloseButtonTakesTheCloseCommand)
{
    TAquarium a;
    ASSERT_TRUE(a.Open());
    a.Window->Widget()->close();
    EXPECT_FALSE(a.Window->IsWindow());
    EXPECT_EQ(a.Plays("uge"), 1);
    EXPECT_TRUE(a.Doubles.Boxes.Shown.empty());
}

TEST(MainWindow, MakesTheSameFoundersAsTheHeadlessToolFromTheSameSeed)
{
    TAquarium a(400, 12345);
    // Set up, but no event handled yet, so no tick has moved anyone.
    ASSERT_TRUE(a.Window->Create());
    TTank headless;
    headless.ScreenWidth = 1024;
    headless.ScreenHeight = 788;
    headless.TankCapacity = 400;
    headless.Random.srand(12345);
    THeadlessWindow window(headless);
    PopulateTank(window);
    for (int i = 0; i < 40; ++i) {
        const TIKIMONO& w = *a.Tank.TankTable[i];
        const TIKIMONO& h = *headless.TankTable[i];
        EXPECT_EQ(w.Species, h.Species) << i;
        EXPECT_EQ(w.X, h.X) << i;
        EXPECT_EQ(w.Y, h.Y) << i;
        EXPECT_EQ(w.DX, h.DX) << i;
        EXPECT_EQ(w.RemainingLife, h.RemainingLife) << i;
    }
}
