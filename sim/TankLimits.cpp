// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "sim/TankLimits.h"

int CapacityForScreenWidth(int screenWidth)
{
    if (screenWidth <= 640)
        return 100;
    if (screenWidth <= 800)
        return 150;
    return 400;
}
