#include "sim/HeadlessWindow.h"

#include "sim/Tank.h"

THeadlessWindow::THeadlessWindow(TTank& tank) : THeadlessWindow(tank, tank.ScreenWidth, tank.ScreenHeight) {}

THeadlessWindow::THeadlessWindow(TTank& tank, int clientWidth, int clientHeight)
    : Tank_(tank), Picture_(clientWidth, clientHeight)
{
}

void THeadlessWindow::SetScroll(int x, int y)
{
    ScrollX_ = x;
    ScrollY_ = y;
}
