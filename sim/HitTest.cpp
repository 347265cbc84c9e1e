// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "sim/HitTest.h"

#include "creatures/Ikimono.h"
#include "sim/Tank.h"

#include <cstdlib>

bool IsHit(const TIKIMONO& creature, int px, int py)
{
    return std::llabs((long long)creature.X - px) < creature.Width &&
           std::llabs((long long)creature.Y - py) < creature.Height;
}

int FirstHitSlot(const TTank& tank, int px, int py)
{
    const int used = tank.UsedSlots();
    for (int i = 0; i < used; ++i)
        if (const auto& creature = tank.TankTable[std::size_t(i)]; creature && IsHit(*creature, px, py))
            return i;
    return -1;
}
