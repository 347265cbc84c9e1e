// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "sim/Tank.h"

#include "creatures/Ikimono.h"

#include <algorithm>

TTank::TTank() = default;

TTank::~TTank()
{
    Close();
}

void TTank::SeedRandom(std::uint32_t seed)
{
    Seed = seed;
    Random.srand(seed);
}

int TTank::UsedSlots() const
{
    return std::clamp(TankCapacity, 0, kSlots);
}

void TTank::DestroyAllCreatures()
{
    for (auto& slot : TankTable)
        slot.reset();
}

void TTank::DestroyAllCreaturesUndrawn()
{
    ClosingFlag = 1;
    DestroyAllCreatures();
    ClosingFlag = 0;
}

void TTank::Close()
{
    ClosingFlag = 1;
    DestroyAllCreatures();
}
