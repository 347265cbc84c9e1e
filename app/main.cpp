// Start-up: read the command line and any tank file it names, seed the random numbers
// (from the clock unless a seed is given), measure the screen, fix the tank's extent and
// capacity and run the aquarium until its window closes.

#include "app/CommandLine.h"
#include "app/Language.h"
#include "app/MyApp.h"
#include "app/StartUp.h"
#include "platform/services/CommandLineParser.h"
#include "platform/services/Metrics.h"
#include "platform/services/Services.h"
#include "platform/services/Translations.h"
#include "platform/window/Application.h"
#include "platform/window/HostWindow.h"
#include "base/text/Quoted.h"
#include "sim/SavedTank.h"
#include "sim/Tank.h"
#include "ui/TankFiles.h"

#include <cstdlib>
#include <ctime>
#include <iostream>

namespace {

// Help, version and mistakes are answered at once; false when the program is to run.
bool Answered(const TCommandLine& line, const std::string& program, int& status)
{
    status = 0;
    if (line.Action == TCommandLine::TAction::Help)
        std::cout << UsageText(program);
    else if (line.Action == TCommandLine::TAction::Version)
        std::cout << "tolvenn " << TOLVENN_VERSION << "\n";
    else if (line.Action == TCommandLine::TAction::Error) {
        std::cerr << line.Error << "\n";
        status = 2;
    } else
        return false;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    // Read once before the toolkit starts, so that none of this needs a display, and once
    // after it has taken its own options, which is what counts.
    const std::string program = argc > 0 ? argv[0] : "tolvenn";
    const std::vector<std::string> arguments(argv, argv + argc);
    const char* screensaverWindow = std::getenv("XSCREENSAVER_WINDOW");
    int status = 0;
    if (Answered(ReadCommandLine(WithoutToolkitOptions(arguments), screensaverWindow), program, status))
        return status;
    if (!DisplayAvailable(arguments)) {
        std::cerr << "tolvenn: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)\n";
        return 1;
    }

    TPlatformSession session(argc, argv, TOLVENN_APP_ID);
    const TCommandLine line = ReadCommandLine(ApplicationArguments(), screensaverWindow);
    if (Answered(line, program, status))
        return status;
    if (!line.Warning.empty())
        std::cerr << line.Warning << "\n";
    const TTranslations translations("tolvenn", ChooseLanguage(line.Language, std::getenv));

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
    status = app.Run();
    if (line.Stats && !app.StatsLine().empty())
        std::cerr << app.StatsLine() << std::endl;
    return status;
}
