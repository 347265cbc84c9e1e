// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "tools/sim/StateTable.h"

#include "sim/SavedTank.h"
#include "sim/TankFile.h"

std::string FormatState(const TTank& tank)
{
    return FormatCreatureTable(CaptureTank(tank));
}
