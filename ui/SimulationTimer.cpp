// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "ui/SimulationTimer.h"

#include "platform/services/MessageBox.h"
#include "platform/services/Timer.h"
#include "platform/window/Window.h"
#include "ui/Texts.h"

void StartSimulationTimer(TWindow& window, const TSimulationPace& pace)
{
    if (pace.Paused)
        return;
    // A period below 1 ms cannot be asked of the timer; the speed dialog never gives one.
    const unsigned period = pace.Interval < 1 ? 1u : unsigned(pace.Interval);
    while (window.IsWindow() && SetTimer(&window, kSimulationTimer, period) == 0)
        MessageBoxA(&window, TTexts::tr("No Timers Left").toUtf8().constData(), "Tolvenn", MB_OK);
}

void StopSimulationTimer(TWindow& window)
{
    KillTimer(&window, kSimulationTimer);
}
