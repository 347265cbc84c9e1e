#include "app/StartUp.h"

#include "app/CommandLine.h"
#include "sim/Capacity.h"
#include "sim/Tank.h"

void PrepareTank(TTank& tank, const TCommandLine& line, int areaWidth, int areaHeight, std::uint32_t clockSeed)
{
    tank.SeedRandom(line.Seed.value_or(clockSeed));
    tank.ScreenWidth = areaWidth / line.Zoom;
    tank.ScreenHeight = areaHeight / line.Zoom;
    tank.TankCapacity = line.Capacity ? line.Capacity : CapacityForScreenWidth(tank.ScreenWidth);
}
