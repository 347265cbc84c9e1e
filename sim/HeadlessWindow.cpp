// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "sim/HeadlessWindow.h"

#include "sim/Tank.h"

THeadlessWindow::THeadlessWindow(TTank& tank, TPicture picture)
    : THeadlessWindow(tank, tank.ScreenWidth, tank.ScreenHeight, picture)
{
}

THeadlessWindow::THeadlessWindow(TTank& tank, int clientWidth, int clientHeight)
    : THeadlessWindow(tank, clientWidth, clientHeight, TPicture::Kept)
{
}

THeadlessWindow::THeadlessWindow(TTank& tank, int clientWidth, int clientHeight, TPicture picture)
    : Tank_(tank), ClientWidth_(clientWidth), ClientHeight_(clientHeight), Kept_(picture == TPicture::Kept),
      Picture_(Kept_ ? clientWidth : 0, Kept_ ? clientHeight : 0)
{
}

void THeadlessWindow::SetScroll(int x, int y)
{
    ScrollX_ = x;
    ScrollY_ = y;
}
