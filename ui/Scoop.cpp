// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "ui/Scoop.h"

#include "creatures/Ikimono.h"
#include "sim/HitTest.h"
#include "sim/Tank.h"
#include "sim/TankDrawing.h"
#include "sim/TankWindow.h"
#include "ui/WaveSound.h"

namespace {

// The class cursor changes only when the pointer next moves; putting the pointer where it
// already is shows the new one at once.
void ShowCursorNow(TWindow& window, HCURSOR cursor)
{
    SetClassLongA(&window, GCL_HCURSOR, cursor);
    TPoint at;
    if (GetCursorPos(&at))
        SetCursorPos(at.x, at.y);
}

}  // namespace

void ScoopPress(TWindow& window, TTankWindow& tankWindow, HCURSOR scooping, const TWaveSound& squelch,
                int clientX, int clientY)
{
    TTank& tank = tankWindow.Tank();
    const int px = tankWindow.TankX(clientX);
    const int py = tankWindow.TankY(clientY);
    ShowCursorNow(window, scooping);
    for (int i = 0; i < tank.UsedSlots(); ++i) {
        if (!tank.TankTable[i] || !IsHit(*tank.TankTable[i], px, py))
            continue;
        {
            const TTankDrawing drawing(tankWindow);
            tank.TankTable[i].reset();
        }
        PlayWave(squelch);
    }
}

void ScoopRelease(TWindow& window, HCURSOR resting)
{
    ShowCursorNow(window, resting);
}
