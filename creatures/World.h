// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "base/gfx/Bitmap.h"
#include "base/gfx/DeviceContext.h"
#include "base/random/Random.h"

// What a creature needs of the tank it lives in: the tank's extent, the one random
// generator, the closing mark, the blank bitmap that erases, and the two drawing contexts
// that exist only during a tick or a removal. The tank is one of these, so a creature
// never sees the table of its fellows.
struct TWorld {
    int ScreenWidth = 0;
    int ScreenHeight = 0;
    int ClosingFlag = 0;
    HBITMAP BlankBitmap = nullptr;
    HDC WindowDC = nullptr;
    HDC MemoryDC = nullptr;
    TRandom Random;
};

// What a creature needs of the window it is shown in: its world, the client size and the
// scroll position, in units of kScrollUnit pixels.
class TTankView {
public:
    static constexpr int kScrollUnit = 16;

    virtual TWorld& World() = 0;
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;
    virtual int ScrollX() const = 0;
    virtual int ScrollY() const = 0;

    // A client-area point in tank coordinates, and back.
    int TankX(int clientX) const { return clientX + kScrollUnit * ScrollX(); }
    int TankY(int clientY) const { return clientY + kScrollUnit * ScrollY(); }
    int ClientX(int tankX) const { return tankX - kScrollUnit * ScrollX(); }
    int ClientY(int tankY) const { return tankY - kScrollUnit * ScrollY(); }

protected:
    ~TTankView() = default;
};
