// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "app/StartUp.h"

#include "app/CommandLine.h"
#include "app/MyApp.h"
#include "base/text/Quoted.h"
#include "platform/services/Metrics.h"
#include "platform/services/Services.h"
#include "platform/window/HostWindow.h"
#include "sim/TankLimits.h"
#include "sim/SavedTank.h"
#include "sim/Tank.h"
#include "ui/TankFiles.h"

#include <ctime>
#include <iostream>

void PrepareTank(TTank& tank, const TCommandLine& line, int areaWidth, int areaHeight, std::uint32_t clockSeed)
{
    tank.SeedRandom(line.Seed.value_or(clockSeed));
    tank.ScreenWidth = areaWidth / line.Zoom;
    tank.ScreenHeight = areaHeight / line.Zoom;
    tank.TankCapacity = line.Capacity ? line.Capacity : CapacityForScreenWidth(tank.ScreenWidth);
}

int RunAquarium(const TCommandLine& line)
{
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
    PrepareTank(tank, line, host ? host->Width() : GetSystemMetrics(SM_CXSCREEN),
                host ? host->Height() : GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYSCREEN),
                std::uint32_t(std::time(nullptr)));
    Services().SoundsMuted = line.Mute || line.IsScreensaver();

    // Made after the tank, so that the window is gone before the tank it draws in.
    TMyApp app(tank, line, std::move(host), std::move(opened));
    const int status = app.Run();
    if (line.Stats && !app.StatsLine().empty())
        std::cerr << app.StatsLine() << std::endl;
    return status;
}
