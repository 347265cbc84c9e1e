// Start-up: seed the random numbers from the clock, measure the screen, fix the tank's
// capacity and run the aquarium until its window closes.

#include "app/CommandLine.h"
#include "app/MyApp.h"
#include "platform/services/Metrics.h"
#include "platform/window/Application.h"
#include "sim/Capacity.h"
#include "sim/Tank.h"

#include <ctime>
#include <iostream>

int main(int argc, char** argv)
{
    const TCommandLine line = ReadCommandLine(argc, argv);
    if (line.Action == TCommandLine::TAction::Help) {
        std::cout << UsageText(argv[0]);
        return 0;
    }
    if (line.Action == TCommandLine::TAction::Version) {
        std::cout << "tolvenn " << TOLVENN_VERSION << "\n";
        return 0;
    }
    if (!line.Warning.empty())
        std::cerr << line.Warning << "\n";

    TPlatformSession session(argc, argv);
    TTank tank;
    tank.SeedRandom(std::uint32_t(std::time(nullptr)));
    tank.ScreenHeight = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYSCREEN);
    tank.ScreenWidth = GetSystemMetrics(SM_CXSCREEN);
    tank.TankCapacity = line.Capacity ? line.Capacity : CapacityForScreenWidth(tank.ScreenWidth);

    TMyApp app(tank);
    return app.Run();
}
