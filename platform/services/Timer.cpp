// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/services/Timer.h"

#include "platform/services/Services.h"

unsigned SetTimer(TWindow* window, unsigned id, unsigned milliseconds)
{
    if (!window || id == 0)
        return 0;
    return Services().Timers->Start(*window, id, milliseconds) ? id : 0;
}

bool KillTimer(TWindow* window, unsigned id)
{
    return window && Services().Timers->Stop(*window, id);
}
