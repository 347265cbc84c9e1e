// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "Aquarium.h"

#include "sim/Catalogue.h"
#include "ui/SimulationTimer.h"

#include <gtest/gtest.h>

#include <QMouseEvent>

namespace {

// An aquarium with the founders cleared away and the timer stopped, so that a test places
// exactly the creatures it looks at.
class ScoopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(a.Open());
        StopSimulationTimer(*a.Window);
        a.Tank.DestroyAllCreatures();
        a.Doubles.Sounds.Played.clear();
    }

    TIKIMONO& Place(int slot, int species, int x, int y)
    {
        a.Tank.TankTable[slot] = CreateCreature(species, a.Window.get(), nullptr);
        TIKIMONO& c = *a.Tank.TankTable[slot];
        c.X = x;
        c.Y = y;
        return c;
    }

    void Press(unsigned message, int x, int y) { a.Window->SendMessage(message, 0, MAKELPARAM(x, y)); }

    TAquarium a;
};

}  // namespace

TEST_F(ScoopTest, HitBoxIsStrictAndFullSizedAroundTheTopLeftCorner)
{
    // A 16 x 16 goldfish at (100, 50) is hit from (85, 35) to (115, 65).
    const struct {
        int X, Y;
        bool Hit;
    } cases[] = {{100, 50, true}, {85, 35, true},  {115, 65, true},  {84, 50, false},
                 {116, 50, false}, {100, 34, false}, {100, 66, false}, {115, 35, true}};
    for (const auto& c : cases) {
        for (int age : {0, 100}) {
            TIKIMONO& fish = Place(3, 1, 100, 50);
            fish.Age = unsigned(age);
            Press(WM_LBUTTONDOWN, c.X, c.Y);
            EXPECT_EQ(a.Tank.TankTable[3] == nullptr, c.Hit) << c.X << "," << c.Y << " age " << age;
            a.Tank.TankTable[3].reset();
        }
    }
}

TEST_F(ScoopTest, AGiantIsHitOnlyOverItsNormalSize)
{
    TIKIMONO& giant = Place(0, 1, 100, 50);
    giant.Giant = 1;
    Press(WM_LBUTTONDOWN, 120, 50);
    EXPECT_NE(a.Tank.TankTable[0], nullptr);
}

TEST_F(ScoopTest, OnePressRemovesEveryCreatureUnderThePointerWithASoundEach)
{
    Place(2, 1, 200, 200);
    Place(5, 14, 205, 195);
    Place(9, 16, 202, 202);
    Place(4, 1, 400, 400);
    Press(WM_LBUTTONDOWN, 203, 201);
    EXPECT_EQ(a.Tank.TankTable[2], nullptr);
    EXPECT_EQ(a.Tank.TankTable[5], nullptr);
    EXPECT_EQ(a.Tank.TankTable[9], nullptr);
    EXPECT_NE(a.Tank.TankTable[4], nullptr);
    EXPECT_EQ(a.Plays("uge"), 3);
    EXPECT_EQ(a.Doubles.Sounds.Played.size(), 3u);
    EXPECT_EQ(a.Tank.WindowDC, nullptr);
    EXPECT_EQ(a.Tank.MemoryDC, nullptr);
}

TEST_F(ScoopTest, ARemovedCreatureIsErasedFromThePicture)
{
    TIKIMONO& fish = Place(0, 1, 30, 30);
    fish.Age = 100;
    a.Window->Picture().Fill({30, 30, 46, 46}, RGB(200, 0, 0));
    Press(WM_LBUTTONDOWN, 31, 31);
    for (int y = 30; y < 46; ++y)
        for (int x = 30; x < 46; ++x)
            ASSERT_EQ(a.Window->Picture().Pixel(x, y), kBackgroundColour) << x << "," << y;
}

TEST_F(ScoopTest, TheScrollPositionIsAddedToThePointer)
{
    a.Window->SendMessage(WM_SIZE, SIZE_RESTORED, 0);
    ASSERT_GT(a.Window->Scroller->YRange, 0);
    a.Window->Scroller->ScrollTo(0, 1);
    Place(0, 1, 100, 116);
    Place(1, 1, 100, 0);
    Press(WM_LBUTTONDOWN, 100, 100);
    EXPECT_EQ(a.Tank.TankTable[0], nullptr);
    EXPECT_NE(a.Tank.TankTable[1], nullptr);
}

TEST_F(ScoopTest, TheNetTurnsWhileTheButtonIsDown)
{
    Press(WM_LBUTTONDOWN, 500, 500);
    EXPECT_EQ(a.Window->ClassCursor()->Name, "CURSOR2");
    EXPECT_TRUE(a.Doubles.Sounds.Played.empty());
    Press(WM_LBUTTONUP, 500, 500);
    EXPECT_EQ(a.Window->ClassCursor()->Name, "CURSOR1");
}

TEST_F(ScoopTest, ADoubleClickRemovesOnlyWhatItsFirstPressHit)
{
    QWidget* view = a.Window->ClientWidget();
    auto send = [view](QEvent::Type type) {
        QMouseEvent event(type, QPointF(60, 60), view->mapToGlobal(QPointF(60, 60)), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    };
    Place(0, 1, 60, 60);
    send(QEvent::MouseButtonPress);
    send(QEvent::MouseButtonRelease);
    EXPECT_EQ(a.Tank.TankTable[0], nullptr);
    Place(1, 1, 60, 60);
    send(QEvent::MouseButtonDblClick);
    EXPECT_NE(a.Tank.TankTable[1], nullptr);
    EXPECT_EQ(a.Window->ClassCursor()->Name, "CURSOR1");
    EXPECT_EQ(a.Plays("uge"), 1);
}
