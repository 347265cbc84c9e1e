// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

// The start-up path main() takes once the command line is read: the application builds
// the window with its resources, sets it up and runs until the window menu closes it.
// Under the sanitizer build LeakSanitizer checks, when the test process ends, that the
// run left nothing behind.

#include "Doubles.h"
#include "app/CommandLine.h"
#include "app/StartUp.h"
#include "platform/window/Messages.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <QWidget>

#include <string>

namespace {

QWidget* OpenAquariumFrame()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->property("tolvennFrame").toBool() && w->isVisible())
            return w;
    return nullptr;
}

// Chooses "Close" in the open window menu with the keyboard, as a person would.
void ChooseClose(QMenu& menu)
{
    for (QAction* action : menu.actions())
        if (action->data().toUInt() == SC_CLOSE)
            menu.setActiveAction(action);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&menu, &enter);
}

}  // namespace

TEST(StartUp, RunsTheAquariumUntilItsWindowMenuClosesIt)
{
    TServiceDoubles doubles;
    std::string title;
    int sounds = -1;
    int polls = 0;
    bool menuAsked = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            ChooseClose(*menu);
            return;
        }
        QWidget* frame = OpenAquariumFrame();
        // Let the simulation run a few ticks before the menu is opened.
        if (!frame || menuAsked || ++polls < 10)
            return;
        title = frame->windowTitle().toStdString();
        sounds = int(doubles.Sounds.Played.size());
        menuAsked = true;
        // Queued, as a click would arrive: the menu runs its own loop, in which this
        // timer must go on polling.
        QMetaObject::invokeMethod(frame->findChild<QAction*>("windowMenu"), &QAction::trigger, Qt::QueuedConnection);
    });
    poll.start(20);

    TCommandLine line;
    line.Capacity = 60;
    const int status = RunAquarium(line);

    EXPECT_EQ(status, 0);
    EXPECT_TRUE(menuAsked);
    EXPECT_EQ(title, "Tolvenn");
    EXPECT_EQ(sounds, 1);
    EXPECT_EQ(doubles.Sounds.Plays("sui"), 1);
    EXPECT_EQ(doubles.Sounds.Plays("uge"), 1);
    EXPECT_TRUE(doubles.Boxes.Shown.empty());
    EXPECT_EQ(OpenAquariumFrame(), nullptr);
}
