// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "sim/TankDrawing.h"

#include "creatures/Ikimono.h"
#include "sim/Tank.h"
#include "sim/TankWindow.h"

TTankDrawing::TTankDrawing(TTankWindow& window) : Window_(window)
{
    TTank& tank = window.Tank();
    tank.WindowDC = GetDC(window.Drawable());
    tank.MemoryDC = CreateCompatibleDC(tank.WindowDC);
}

TTankDrawing::~TTankDrawing()
{
    TTank& tank = Window_.Tank();
    DeleteDC(tank.MemoryDC);
    ReleaseDC(Window_.Drawable(), tank.WindowDC);
    tank.MemoryDC = nullptr;
    tank.WindowDC = nullptr;
}

void RedrawCreatures(TTankWindow& window)
{
    TTank& tank = window.Tank();
    const TTankDrawing drawing(window);
    for (int i = 0; i < tank.UsedSlots(); ++i)
        if (const auto& creature = tank.TankTable[std::size_t(i)])
            creature->Redraw();
}
