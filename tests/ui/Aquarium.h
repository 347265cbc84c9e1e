// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "Doubles.h"
#include "app/MyWindow.h"
#include "creatures/Ikimono.h"
#include "sim/Tank.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// A fresh tank on a 1024 x 788 screen with the main window open, and the services
// replaced by doubles.
class TAquarium {
public:
    explicit TAquarium(int capacity = 100, std::uint32_t seed = 7, const TCommandLine& options = {})
    {
        Tank.ScreenWidth = 1024;
        Tank.ScreenHeight = 788;
        Tank.TankCapacity = capacity;
        Tank.SeedRandom(seed);
        Window = std::make_unique<TMyWindow>(Tank, options);
    }

    bool Open()
    {
        if (!Window->Create())
            return false;
        Window->Widget()->show();
        QApplication::processEvents();
        return true;
    }

    int Count() const
    {
        int n = 0;
        for (const auto& slot : Tank.TankTable)
            n += slot != nullptr;
        return n;
    }

    int Plays(const char* name) const { return Doubles.Sounds.Plays(name); }

    TServiceDoubles Doubles;
    TTank Tank;
    std::unique_ptr<TMyWindow> Window;
};

// Runs `act` on the modal dialog as soon as one is open.
inline void WhenModal(std::function<void(QWidget*)> act)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            act(modal);
        }
    });
    poll->start(5);
}

// Lets the message loop run for a while, timers included.
inline void RunFor(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}
