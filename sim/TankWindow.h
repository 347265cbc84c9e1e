#pragma once

#include "platform/gfx/DeviceContext.h"

struct TTank;

// What a creature needs of the window it lives in: the shared tank, a picture to draw on,
// the client size and the scroll position (in units of 16 pixels). The main window is
// one; the headless tool has its own.
class TTankWindow {
public:
    static constexpr int kScrollUnit = 16;

    virtual TTank& Tank() = 0;
    virtual TDrawable* Drawable() = 0;
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;
    virtual int ScrollX() const = 0;
    virtual int ScrollY() const = 0;

protected:
    ~TTankWindow() = default;
};
