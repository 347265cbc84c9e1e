// Start-up: read the command line, seed the random numbers from the clock, measure the
// screen, fix the tank's capacity and run the aquarium until its window closes.

#include "app/CommandLine.h"
#include "app/MyApp.h"
#include "platform/services/CommandLineParser.h"
#include "platform/services/Metrics.h"
#include "platform/window/Application.h"
#include "sim/Capacity.h"
#include "sim/Tank.h"

#include <ctime>
#include <iostream>

namespace {

// Help and version are answered at once; false when the program is to run.
bool Answered(const TCommandLine& line, const std::string& program)
{
    if (line.Action == TCommandLine::TAction::Help)
        std::cout << UsageText(program);
    else if (line.Action == TCommandLine::TAction::Version)
        std::cout << "tolvenn " << TOLVENN_VERSION << "\n";
    else
        return false;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    // Asked before the toolkit starts, so that they need no display.
    const std::string program = argc > 0 ? argv[0] : "tolvenn";
    if (Answered(ReadCommandLine(std::vector<std::string>(argv, argv + argc)), program))
        return 0;

    TPlatformSession session(argc, argv);
    const TCommandLine line = ReadCommandLine(ApplicationArguments());
    if (line.Action == TCommandLine::TAction::Error) {
        std::cerr << line.Error << "\n";
        return 2;
    }
    if (!line.Warning.empty())
        std::cerr << line.Warning << "\n";

    TTank tank;
    tank.SeedRandom(std::uint32_t(std::time(nullptr)));
    tank.ScreenHeight = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYSCREEN);
    tank.ScreenWidth = GetSystemMetrics(SM_CXSCREEN);
    tank.TankCapacity = line.Capacity ? line.Capacity : CapacityForScreenWidth(tank.ScreenWidth);

    TMyApp app(tank, line);
    const int status = app.Run();
    if (line.Stats && !app.StatsLine().empty())
        std::cerr << app.StatsLine() << std::endl;
    return status;
}
