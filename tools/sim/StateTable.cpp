#include "tools/sim/StateTable.h"

#include "sim/SavedTank.h"
#include "sim/TankFile.h"

std::string FormatState(const TTank& tank)
{
    return FormatCreatureTable(CaptureTank(tank));
}
