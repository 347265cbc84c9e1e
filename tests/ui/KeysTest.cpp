// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

// The window's keys, pressed as a person would: F10 opens the window menu, F1 the About
// box, Ctrl+Q closes through the same close command as the close box.

#include "Aquarium.h"

#include "platform/window/Menu.h"
#include "ui/SystemCommand.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QTest>

namespace {

void Press(TAquarium& a, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* window = a.Window->Widget();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QTest::keyClick(window, Qt::Key(key), modifiers);
    QApplication::processEvents();
}

}  // namespace

TEST(Keys, F10OpensTheWindowMenuShowingTheKeysOfItsEntries)
{
    TAquarium a;
    ASSERT_TRUE(a.Open());
    QStringList entries;
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, &entries] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            poll->stop();
            poll->deleteLater();
            EXPECT_EQ(menu->objectName().toStdString(), "windowMenuPopup");
            for (const QAction* action : menu->actions())
                entries << action->text();
            menu->close();
        }
    });
    poll->start(5);
    Press(a, Qt::Key_F10);
    EXPECT_TRUE(entries.contains(QStringLiteral("Close\t") + QKeySequence(QStringLiteral("Ctrl+Q")).toString(QKeySequence::NativeText)))
        << entries.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(entries.contains(QStringLiteral("About...\tF1"))) << entries.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(a.Window->IsWindow());
}

TEST(Keys, F1OpensTheAboutBox)
{
    TAquarium a;
    ASSERT_TRUE(a.Open());
    std::string caption;
    WhenModal([&caption](QWidget* modal) {
        caption = modal->windowTitle().toStdString();
        modal->close();
    });
    Press(a, Qt::Key_F1);
    EXPECT_EQ(caption, "ABOUT");
    EXPECT_EQ(a.Plays("sui"), 2) << "once at the start, once for About";
}

TEST(Keys, CtrlQClosesThroughTheCloseCommand)
{
    TAquarium a;
    ASSERT_TRUE(a.Open());
    Press(a, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(a.Window->IsWindow());
    EXPECT_EQ(a.Plays("uge"), 1);
    EXPECT_EQ(a.Count(), 0);
}
