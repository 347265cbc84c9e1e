// Start-up: read the command line and any tank file it names, seed the random numbers
// (from the clock unless a seed is given), measure the screen, fix the tank's extent and
// capacity and run the aquarium until its window closes.

#include "app/CommandLine.h"
#include "app/MyApp.h"
#include "platform/services/CommandLineParser.h"
#include "platform/services/Metrics.h"
#include "platform/services/Services.h"
#include "platform/window/Application.h"
#include "platform/window/HostWindow.h"
#include "app/StartUp.h"
#include "base/text/Quoted.h"
#include "sim/SavedTank.h"
#include "sim/Tank.h"
#include "ui/TankFiles.h"

#include <cstdlib>
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
    const TCommandLine line = ReadCommandLine(ApplicationArguments(), std::getenv("XSCREENSAVER_WINDOW"));
    if (line.Action == TCommandLine::TAction::Error) {
        std::cerr << line.Error << "\n";
        return 2;
    }
    if (!line.Warning.empty())
        std::cerr << line.Warning << "\n";

    // A file that cannot be opened ends the program before any window appears.
    std::optional<TSavedTank> opened;
    if (!line.OpenPath.empty()) {
        std::string error;
        if (!ReadTankFrom(line.OpenPath, opened.emplace(), error)) {
            std::cerr << "tolvenn: " << Quoted(line.OpenPath) << ": " << error << "\n";
            return 1;
        }
    }

    // A screensaver's tank is the size of the window it is given.
    std::unique_ptr<THostWindow> host;
    if (line.IsScreensaver()) {
        host = line.WindowId ? THostWindow::Find(*line.WindowId) : THostWindow::Root();
        if (!host) {
            std::cerr << "tolvenn: no X window to draw in"
                      << (line.WindowId ? " with the id " + std::to_string(*line.WindowId) : std::string()) << "\n";
            return 2;
        }
    }
    TTank tank;
    PrepareTank(tank, line,
                host ? host->Width() : GetSystemMetrics(SM_CXSCREEN),
                host ? host->Height() : GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYSCREEN),
                std::uint32_t(std::time(nullptr)));
    Services().SoundsMuted = line.Mute || line.IsScreensaver();

    TMyApp app(tank, line, std::move(host), std::move(opened));
    return app.Run();
}
