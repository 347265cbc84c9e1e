#include "app/MyApp.h"

#include "app/MyWindow.h"
#include "platform/services/Metrics.h"
#include "sim/Capacity.h"
#include "sim/Tank.h"

#include <ctime>

void TMyApp::InitMainWindow()
{
    SetMainWindow(std::make_unique<TMyWindow>(Tank_));
}

int RunAquarium(int capacity)
{
    TTank tank;
    tank.SeedRandom(std::uint32_t(std::time(nullptr)));
    tank.ScreenHeight = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYSCREEN);
    tank.ScreenWidth = GetSystemMetrics(SM_CXSCREEN);
    tank.TankCapacity = capacity ? capacity : CapacityForScreenWidth(tank.ScreenWidth);
    // Made after the tank, so that the window is gone before the tank it draws in.
    TMyApp app(tank);
    return app.Run();
}
