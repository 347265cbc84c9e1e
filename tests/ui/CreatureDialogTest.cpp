// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "Aquarium.h"

#include "sim/Catalogue.h"
#include "ui/SimulationTimer.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <climits>
#include <cstring>
#include <optional>

namespace {

// The settings dialog on one creature in slot 0, with the founders cleared away.
class CreatureDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(a.Open());
        a.Tank.DestroyAllCreatures();
    }

    TIKIMONO& Place(int species)
    {
        a.Tank.TankTable[0] = CreateCreature(species, a.Window.get(), nullptr);
        TIKIMONO& c = *a.Tank.TankTable[0];
        c.X = 300;
        c.Y = 200;
        return c;
    }

    // Opens the dialog on the creature and lets `act` work on it while it runs.
    void Edit(const std::function<void(QWidget*)>& act)
    {
        WhenModal(act);
        a.Window->SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(301, 201));
    }

    static QLineEdit* EditOf(QWidget* d, int id) { return d->findChild<QLineEdit*>(QString::number(id)); }
    static QScrollBar* BarOf(QWidget* d, int id) { return d->findChild<QScrollBar*>(QString::number(id)); }
    static void Click(QWidget* d, int id) { d->findChild<QPushButton*>(QString::number(id))->click(); }

    TAquarium a;
};

}  // namespace

TEST_F(CreatureDialogTest, ShowsTheCreatureWithBarsClampedIntoRange)
{
    TIKIMONO& sub = Place(5);
    sub.RemainingLife = -12;
    sub.Generation = 7;
    sub.GeneGrowth = 2;
    Edit([](QWidget* d) {
        EXPECT_EQ(d->windowTitle().toStdString(), "生き物設定");
        EXPECT_EQ(EditOf(d, 101)->text().toStdString(), "さぶまりん");
        EXPECT_EQ(EditOf(d, 102)->text().toStdString(), "-12");
        EXPECT_EQ(EditOf(d, 103)->text().toStdString(), "10000");
        EXPECT_EQ(BarOf(d, 111)->value(), 1000);
        EXPECT_EQ(BarOf(d, 112)->value(), 50);
        EXPECT_EQ(BarOf(d, 113)->value(), 50);
        EXPECT_EQ(BarOf(d, 114)->value(), 1000);
        EXPECT_EQ(BarOf(d, 115)->value(), 3);
        EXPECT_EQ(BarOf(d, 115)->maximum(), 100);
        EXPECT_EQ(d->findChild<QLabel*>("120")->text().toStdString(), "7");
        Click(d, 2);
    });
}

TEST_F(CreatureDialogTest, CancelLeavesEveryValueAsItWas)
{
    TIKIMONO& sub = Place(5);
    const int life = sub.RemainingLife;
    Edit([](QWidget* d) {
        EditOf(d, 101)->setText("x");
        EditOf(d, 102)->setText("1");
        BarOf(d, 111)->setValue(4);
        Click(d, 2);
    });
    EXPECT_STREQ(sub.FamilyName, "さぶまりん");
    EXPECT_EQ(sub.RemainingLife, life);
    EXPECT_EQ(sub.BreedRate, 10000);
    EXPECT_EQ(sub.GeneBreedRate, 10000);
}

TEST_F(CreatureDialogTest, OkWithoutChangesBringsBackClampedBars)
{
    TIKIMONO& sub = Place(5);
    Edit([](QWidget* d) { Click(d, 1); });
    EXPECT_EQ(sub.BreedRate, 1000);
    EXPECT_EQ(sub.GeneBreedRate, 1000);
    EXPECT_EQ(sub.GeneLifespan, 10000);
    EXPECT_STREQ(sub.FamilyName, "さぶまりん");
}

TEST_F(CreatureDialogTest, EveryBarRunsFromThreeToItsMaximum)
{
    const struct {
        int Id;
        int TIKIMONO::*Field;
        int Maximum;
    } bars[] = {{111, &TIKIMONO::BreedRate, 1000},
                {112, &TIKIMONO::Speed, 1000},
                {113, &TIKIMONO::GeneSpeed, 1000},
                {114, &TIKIMONO::GeneBreedRate, 1000},
                {115, &TIKIMONO::GeneGrowth, 100}};
    // Home and End on the focused bar as a person would press them, or OK on a value
    // that the bar brings into its range.
    const struct {
        int Start;
        std::optional<Qt::Key> Key;
        bool AtMaximum;
    } moves[] = {{50, Qt::Key_Home, false}, {50, Qt::Key_End, true}, {2, std::nullopt, false},
                 {INT_MIN, std::nullopt, false}, {INT_MAX, std::nullopt, true}};
    for (const auto& bar : bars)
        for (const auto& move : moves) {
            TIKIMONO& fish = Place(1);
            fish.*bar.Field = move.Start;
            Edit([&](QWidget* d) {
                QScrollBar* control = BarOf(d, bar.Id);
                EXPECT_EQ(control->minimum(), 3) << bar.Id;
                EXPECT_EQ(control->maximum(), bar.Maximum) << bar.Id;
                if (move.Key) {
                    control->setFocus();
                    QKeyEvent press(QEvent::KeyPress, *move.Key, Qt::NoModifier);
                    QApplication::sendEvent(control, &press);
                }
                Click(d, 1);
            });
            EXPECT_EQ(fish.*bar.Field, move.AtMaximum ? bar.Maximum : 3)
                << "bar " << bar.Id << " from " << move.Start;
        }
}

TEST_F(CreatureDialogTest, OkReadsEveryControlBack)
{
    TIKIMONO& fish = Place(1);
    fish.Generation = 4;
    Edit([](QWidget* d) {
        EditOf(d, 101)->setText("ぽち");
        EditOf(d, 102)->setText("  +42 days");
        EditOf(d, 103)->setText("0");
        BarOf(d, 111)->setValue(5);
        BarOf(d, 112)->setValue(6);
        BarOf(d, 113)->setValue(500);
        BarOf(d, 114)->setValue(8);
        BarOf(d, 115)->setValue(9);
        Click(d, 1);
    });
    EXPECT_STREQ(fish.FamilyName, "ぽち");
    EXPECT_EQ(fish.RemainingLife, 42);
    EXPECT_EQ(fish.GeneLifespan, 0);
    EXPECT_EQ(fish.BreedRate, 5);
    EXPECT_EQ(fish.Speed, 6);
    EXPECT_EQ(fish.GeneSpeed, 500);
    EXPECT_EQ(fish.GeneBreedRate, 8);
    EXPECT_EQ(fish.GeneGrowth, 9);
    EXPECT_EQ(fish.Generation, 4);

    // The edited genes pass to a child born afterwards; the zero lifespan falls back.
    const auto child = CreateCreature(fish.Species, a.Window.get(), &fish);
    EXPECT_STREQ(child->FamilyName, "ぽち");
    EXPECT_EQ(child->GeneSpeed, 500);
    EXPECT_EQ(child->Speed, 500);
    EXPECT_EQ(child->GeneBreedRate, 8);
    EXPECT_EQ(child->GeneGrowth, 9);
    EXPECT_EQ(child->GeneLifespan, 400);
    EXPECT_EQ(child->Generation, 5);
}

TEST_F(CreatureDialogTest, TypedNumbersAreReadFromTheirFirstTenCharactersAndSaturate)
{
    const struct {
        const char* Typed;
        int Value;
    } cases[] = {
        {"123456789012", 1234567890}, {"9999999999", 2147483647}, {"-99999999999", -999999999},
        {"abc", 0},                   {"", 0},                    {"   -5x", -5},
        {"00000000001234", 0},        {"2147483647", 2147483647},
    };
    for (const auto& c : cases) {
        TIKIMONO& fish = Place(1);
        Edit([&c](QWidget* d) {
            EditOf(d, 102)->setText(c.Typed);
            EditOf(d, 103)->setText(c.Typed);
            Click(d, 1);
        });
        EXPECT_EQ(fish.RemainingLife, c.Value) << c.Typed;
        EXPECT_EQ(fish.GeneLifespan, c.Value) << c.Typed;
    }
}

TEST_F(CreatureDialogTest, ALongNameIsCutToWholeCharactersWithin39Bytes)
{
    const struct {
        const char* Typed;
        const char* Kept;
    } cases[] = {
        // 14 three-byte characters are 42 bytes: 13 of them (39 bytes) fit.
        {"あいうえおかきくけこさしすせ", "あいうえおかきくけこさしす"},
        // One byte first: 38 bytes of 12 characters, the 13th would need 41.
        {"aあいうえおかきくけこさしす", "aあいうえおかきくけこさし"},
        {"0123456789012345678901234567890123456789xyz", "012345678901234567890123456789012345678"},
    };
    for (const auto& c : cases) {
        TIKIMONO& fish = Place(1);
        Edit([&c](QWidget* d) {
            EditOf(d, 101)->setText(QString::fromUtf8(c.Typed));
            Click(d, 1);
        });
        EXPECT_STREQ(fish.FamilyName, c.Kept);
        EXPECT_LE(std::strlen(fish.FamilyName), 39u);
    }
}

TEST_F(CreatureDialogTest, EnterInAnEditIsOkAndEscapeIsCancel)
{
    const struct {
        Qt::Key Key;
        int Life;
    } cases[] = {{Qt::Key_Return, 77}, {Qt::Key_Escape, -1}};
    for (const auto& c : cases) {
        TIKIMONO& fish = Place(1);
        const int before = fish.RemainingLife;
        Edit([&c](QWidget* d) {
            QLineEdit* life = EditOf(d, 102);
            life->setText("77");
            QKeyEvent press(QEvent::KeyPress, c.Key, Qt::NoModifier);
            QApplication::sendEvent(life, &press);
        });
        EXPECT_EQ(fish.RemainingLife, c.Life == -1 ? before : c.Life) << c.Key;
    }
}

TEST_F(CreatureDialogTest, TheTimerStandsStillWhileTheDialogIsOpen)
{
    Place(1);
    a.Window->Pace.Interval = 80;
    bool running = true;
    Edit([&](QWidget* d) {
        running = a.Window->HasTimer(kSimulationTimer);
        Click(d, 2);
    });
    EXPECT_FALSE(running);
    EXPECT_EQ(a.Window->TimerPeriod(kSimulationTimer), 80u);
}

TEST_F(CreatureDialogTest, APressBesideEveryCreatureOpensNothingButRestartsTheTimer)
{
    Place(1);
    const int stops = a.Doubles.Timers.Stops;
    a.Window->SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(700, 500));
    EXPECT_EQ(a.Doubles.Timers.Stops, stops + 1);
    EXPECT_TRUE(a.Window->HasTimer(kSimulationTimer));
    EXPECT_EQ(a.Window->ClassCursor()->Name, "CURSOR1");
}
