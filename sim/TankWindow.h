// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "base/gfx/DeviceContext.h"
#include "creatures/World.h"
#include "sim/Tank.h"

// A view of the tank that the simulation can also draw through: the main window is one,
// the headless tool has its own.
class TTankWindow : public TTankView {
public:
    virtual TTank& Tank() = 0;
    virtual TDrawable* Drawable() = 0;

    TWorld& World() final { return Tank(); }

protected:
    ~TTankWindow() = default;
};
