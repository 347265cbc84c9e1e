#include "ui/SimulationTimer.h"

#include "platform/services/MessageBox.h"
#include "platform/services/Timer.h"
#include "platform/window/Window.h"

#include <QtGlobal>

void StartSimulationTimer(TWindow& window, int interval)
{
    // A period below 1 ms cannot be asked of the timer; the speed dialog never gives one.
    const unsigned period = interval < 1 ? 1u : unsigned(interval);
    while (window.IsWindow() && SetTimer(&window, kSimulationTimer, period) == 0)
        MessageBoxA(&window, QT_TRANSLATE_NOOP("MessageBox", "No Timers Left"), "Tolvenn", MB_OK);
}

void StopSimulationTimer(TWindow& window)
{
    KillTimer(&window, kSimulationTimer);
}
