#include "sim/Tank.h"

#include "creatures/Ikimono.h"

TTank::TTank() = default;

TTank::~TTank()
{
    // The window may already be gone, so nothing is erased.
    ClosingFlag = 1;
    DestroyAllCreatures();
}

void TTank::DestroyAllCreatures()
{
    for (auto& slot : TankTable)
        slot.reset();
}
