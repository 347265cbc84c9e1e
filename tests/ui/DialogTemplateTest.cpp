// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "Aquarium.h"

#include "platform/dialogs/Dialog.h"
#include "platform/dialogs/Controls.h"
#include "base/resources/DialogTemplate.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <map>
#include <set>

TEST(DialogTemplate, ParsesFramesControlsAndFlags)
{
    std::string error;
    const auto dlg = ParseDialogTemplate("# comment\n"
                                         "DIALOG T 1 2 30 40\n"
                                         "CAPTION \"A B\"\n"
                                         "FONT 12 \"Face Name\"\n"
                                         "CONTROL BUTTON 1 \"OK\" 5 6 7 8 DEFAULT TABSTOP\n"
                                         "CONTROL STATIC 120 \"\" 1 1 2 2 RIGHT\n",
                                         error);
    ASSERT_TRUE(dlg) << error;
    EXPECT_EQ(dlg->Caption, "A B");
    EXPECT_EQ(dlg->FontName, "Face Name");
    EXPECT_EQ(dlg->FontSize, 12);
    EXPECT_EQ(dlg->Width, 30);
    ASSERT_EQ(dlg->Controls.size(), 2u);
    EXPECT_TRUE(dlg->Controls[0].Default);
    EXPECT_TRUE(dlg->Controls[0].TabStop);
    EXPECT_EQ(dlg->Controls[0].Height, 8);
    EXPECT_TRUE(dlg->Find(120)->RightAlign);
}

TEST(DialogTemplate, RejectsMalformedLines)
{
    const char* bad[] = {
        "CAPTION \"x\"\n",
        "DIALOG T 1 2 3\n",
        "DIALOG T 1 2 3 4\nCONTROL KNOB 1 \"\" 1 1 1 1\n",
        "DIALOG T 1 2 3 4\nCONTROL EDIT 1 \"\" 1 1 1 1 SHINY\n",
        "DIALOG T 1 2 3 4\nCAPTION \"open\n",
    };
    for (const char* text : bad) {
        std::string error;
        EXPECT_FALSE(ParseDialogTemplate(text, error)) << text;
        EXPECT_FALSE(error.empty());
    }
}

TEST(DialogTemplate, EmbeddedTemplatesMatchWithoutRegardToCase)
{
    for (const char* name : {"IDENSHI", "idenshi", "speed", "SPEED", "about"})
        EXPECT_TRUE(LoadDialogTemplate(name)) << name;
    const auto settings = LoadDialogTemplate("IDENSHI");
    EXPECT_EQ(settings->Caption, "生き物設定");
    EXPECT_EQ(settings->FontName, "ＭＳ 明朝");
    EXPECT_EQ(settings->Controls.size(), 36u);
}

namespace {

// Opens a template's dialog and hands it to `check` while it runs.
void WithDialog(const char* name, const std::function<void(TDialog&, QWidget*)>& check)
{
    TAquarium a;
    ASSERT_TRUE(a.Open());
    TDialog dialog(a.Window.get(), name);
    WhenModal([&](QWidget* modal) {
        check(dialog, modal);
        dialog.EndDialog(2);
    });
    EXPECT_EQ(dialog.Execute(), 2);
}

}  // namespace

TEST(DialogBuilder, BuildsEveryControlWithItsIdTextAndPlace)
{
    WithDialog("IDENSHI", [](TDialog& dialog, QWidget* modal) {
        EXPECT_EQ(modal->windowTitle().toStdString(), "生き物設定");
        for (int id : {101, 102, 103})
            EXPECT_NE(qobject_cast<QLineEdit*>(dialog.Control(id)), nullptr) << id;
        for (int id : {111, 112, 113, 114, 115})
            EXPECT_NE(qobject_cast<QScrollBar*>(dialog.Control(id)), nullptr) << id;
        auto* ok = qobject_cast<QPushButton*>(dialog.Control(1));
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text().toStdString(), "OK");
        EXPECT_TRUE(ok->isDefault());
        EXPECT_EQ(qobject_cast<QPushButton*>(dialog.Control(2))->text().toStdString(), "Cancel");
        EXPECT_NE(qobject_cast<QLabel*>(dialog.Control(120)), nullptr);
        // Dialog units scale with the font: a wider control stays wider, and in order.
        const QRect name = dialog.Control(101)->geometry();
        const QRect life = dialog.Control(102)->geometry();
        EXPECT_GT(name.width(), life.width());
        EXPECT_GT(name.x(), life.x());
        EXPECT_EQ(life.y(), name.y());
        int labels = 0;
        for (QLabel* label : modal->findChildren<QLabel*>())
            labels += label->text() == QStringLiteral("(10-30000)");
        EXPECT_EQ(labels, 2);
    });
}

TEST(DialogBuilder, ScrollBarsClampIntoTheirRange)
{
    WithDialog("speed", [](TDialog& dialog, QWidget*) {
        TScrollBar bar(nullptr, 116);
        bar.Bind(dialog.Control(116));
        bar.SetRange(1, 500);
        const int cases[][2] = {{50, 50}, {0, 1}, {-7, 1}, {501, 500}, {10000, 500}};
        for (const auto& c : cases) {
            bar.SetPosition(c[0]);
            EXPECT_EQ(bar.GetPosition(), c[1]) << c[0];
        }
        auto* qbar = qobject_cast<QScrollBar*>(dialog.Control(116));
        EXPECT_EQ(qbar->singleStep(), 1);
        EXPECT_EQ(qbar->pageStep(), 10);
    });
}

// Every control that takes input is reached by Tab, half by half from the top, and the
// buttons last; a label's access key leads to the control after it.
TEST(DialogBuilder, TabReachesEveryControlInReadingOrder)
{
    const struct {
        const char* Name;
        std::vector<int> Order;
    } dialogs[] = {{"IDENSHI", {102, 112, 111, 101, 103, 113, 114, 115, 1, 2}}, {"SPEED", {116, 1, 2}}, {"ABOUT", {1}}};
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.Name);
        WithDialog(d.Name, [&d](TDialog& dialog, QWidget* modal) {
            // Tab passes over what cannot take focus by it, as the toolkit does.
            std::vector<int> order;
            QWidget* first = dialog.Control(d.Order.front());
            QWidget* w = first;
            do {
                if (w->focusPolicy() & Qt::TabFocus)
                    order.push_back(w->objectName().toInt());
                w = w->nextInFocusChain();
            } while (w != first && order.size() < 50);
            EXPECT_EQ(order, d.Order);
            // The dialog gives the focus to the first control Tab reaches.
            QWidget* start = modal->nextInFocusChain();
            while (start != modal && !(start->focusPolicy() & Qt::TabFocus))
                start = start->nextInFocusChain();
            EXPECT_EQ(start, first);
        });
    }
    WithDialog("IDENSHI", [](TDialog&, QWidget* modal) {
        std::map<std::string, std::set<int>> buddies;
        for (QLabel* label : modal->findChildren<QLabel*>())
            if (label->buddy())
                buddies[label->text().toStdString()].insert(label->buddy()->objectName().toInt());
        EXPECT_EQ(buddies["余命"], (std::set<int>{102}));
        EXPECT_EQ(buddies["素早さ"], (std::set<int>{112, 113}));
        EXPECT_EQ(buddies["繁殖率"], (std::set<int>{111, 114}));
        EXPECT_EQ(buddies["家族名"], (std::set<int>{101}));
        EXPECT_EQ(buddies["平均寿命"], (std::set<int>{103}));
        EXPECT_EQ(buddies["成長速度"], (std::set<int>{115}));
    });
}

TEST(DialogBuilder, MissingTemplateRunsNothing)
{
    TDialog dialog(nullptr, "NOSUCH");
    EXPECT_EQ(dialog.Execute(), -1);
}
