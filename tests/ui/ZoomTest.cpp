// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "Aquarium.h"

#include "sim/Catalogue.h"
#include "sim/TankDrawing.h"
#include "ui/WatchCommands.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {

// A paused aquarium at zoom 2 with one goldfish at tank (100, 60), drawn.
class ZoomTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(a.Open());
        a.Window->SendMessage(WM_SYSCOMMAND, kPauseCommand, 0);
        a.Tank.DestroyAllCreatures();
        a.Window->SendMessage(WM_SYSCOMMAND, kZoomCommand + 1, 0);
        a.Tank.TankTable[5] = CreateCreature(1, a.Window.get(), nullptr);
        Fish = a.Tank.TankTable[5].get();
        Fish->X = 100;
        Fish->Y = 60;
        Fish->Age = 100;
        RedrawCreatures(*a.Window);
    }

    QWidget* View() { return a.Window->ClientWidget(); }

    TAquarium a;
    TIKIMONO* Fish = nullptr;
};

}  // namespace

TEST_F(ZoomTest, ThePictureCountsTankPixelsAndShowsEachAsASquare)
{
    ASSERT_EQ(a.Window->Zoom(), 2);
    EXPECT_EQ(a.Window->ClientWidth(), (View()->width() + 1) / 2);
    EXPECT_EQ(a.Window->ClientHeight(), (View()->height() + 1) / 2);
    EXPECT_EQ(a.Window->Scroller->XRange, (1024 - a.Window->ClientWidth()) / 16) << "the tank keeps its extent";

    const QImage shown = View()->grab().toImage();
    const TBitmap& picture = a.Window->Picture();
    for (int y = 56; y < 80; ++y)
        for (int x = 96; x < 120; ++x) {
            const QRgb expected = picture.Pixel(x, y) & 0xFFFFFF;
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx)
                    ASSERT_EQ(shown.pixel(2 * x + dx, 2 * y + dy) & 0xFFFFFF, expected) << x << "," << y;
        }
    EXPECT_NE(picture.Pixel(108, 68), kBackgroundColour) << "the fish is drawn";
}

TEST_F(ZoomTest, TheScoopHitsWhatIsUnderThePointer)
{
    // Screen (231, 151) is tank (115, 75): the far corner of the fish's hit box.
    QTest::mousePress(View(), Qt::LeftButton, {}, QPoint(231, 151));
    EXPECT_EQ(a.Tank.TankTable[5], nullptr);
}

TEST_F(ZoomTest, APressBesideTheFishMissesIt)
{
    // Screen (232, 120) is tank (116, 60), just outside; unzoomed it would be deep inside.
    QTest::mousePress(View(), Qt::LeftButton, {}, QPoint(232, 120));
    EXPECT_NE(a.Tank.TankTable[5], nullptr);
    QTest::mousePress(View(), Qt::LeftButton, {}, QPoint(110, 70));
    EXPECT_NE(a.Tank.TankTable[5], nullptr) << "tank (55, 35) is far from the fish";
}

TEST_F(ZoomTest, TheSettingsDialogOpensForTheCreatureUnderThePointer)
{
    std::string name;
    WhenModal([&](QWidget* d) {
        for (QLineEdit* edit : d->findChildren<QLineEdit*>())
            if (edit->text() == QString::fromUtf8("きんぎょ"))
                name = edit->text().toStdString();
        d->findChild<QPushButton*>("2")->click();
    });
    QTest::mousePress(View(), Qt::RightButton, {}, QPoint(180, 100));
    EXPECT_EQ(name, "きんぎょ");
}

TEST_F(ZoomTest, EachZoomIsAMenuChoiceWithItsCheckMark)
{
    for (int zoom = 1; zoom <= 4; ++zoom) {
        a.Window->SendMessage(WM_SYSCOMMAND, kZoomCommand + unsigned(zoom) - 1, 0);
        EXPECT_EQ(a.Window->Zoom(), zoom);
        EXPECT_EQ(a.Window->ClientWidth(), (View()->width() + zoom - 1) / zoom);
        for (const auto& item : GetSystemMenu(a.Window.get(), false)->Items) {
            if (item.Id >= kZoomCommand && item.Id < kZoomCommand + 4) {
                EXPECT_EQ((item.Flags & MF_CHECKED) != 0, item.Id == kZoomCommand + unsigned(zoom) - 1);
            }
        }
    }
}

TEST(FullScreen, TheCommandTogglesItAndTheTankFitsWithoutScrollBars)
{
    TAquarium a;
    ASSERT_TRUE(a.Open());
    a.Window->SendMessage(WM_SYSCOMMAND, kFullScreenCommand, 0);
    QApplication::processEvents();
    EXPECT_TRUE(a.Window->IsFullScreen());
    EXPECT_FALSE(a.Window->Widget()->findChild<QMenuBar*>()->isVisible());
    EXPECT_EQ(a.Window->Scroller->XRange, 0);
    EXPECT_EQ(a.Window->Scroller->YRange, 0);
    a.Window->SendMessage(WM_SYSCOMMAND, kFullScreenCommand, 0);
    QApplication::processEvents();
    EXPECT_FALSE(a.Window->IsFullScreen());
    EXPECT_TRUE(a.Window->Widget()->findChild<QMenuBar*>()->isVisible());
}
