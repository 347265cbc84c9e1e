#pragma once

#include "base/gfx/Bitmap.h"
#include "base/gfx/DeviceContext.h"
#include "sim/TankWindow.h"

// A window without a display: its picture stands for the client area, which covers the
// whole tank unless told otherwise. Used by the headless tool and the tests.
class THeadlessWindow final : public TTankWindow, public TDrawable {
public:
    // Client area ScreenWidth x ScreenHeight of the tank, not scrolled.
    explicit THeadlessWindow(TTank& tank);
    THeadlessWindow(TTank& tank, int clientWidth, int clientHeight);

    TTank& Tank() override { return Tank_; }
    TDrawable* Drawable() override { return this; }
    int ClientWidth() const override { return Picture_.Width(); }
    int ClientHeight() const override { return Picture_.Height(); }
    int ScrollX() const override { return ScrollX_; }
    int ScrollY() const override { return ScrollY_; }

    TBitmap& Picture() override { return Picture_; }
    // The picture is all there is: nothing further to show, so nothing is noted.
    TDirtyArea* Changes() override { return nullptr; }
    void Present() override {}

    // In scroll units of 16 pixels.
    void SetScroll(int x, int y);

private:
    TTank& Tank_;
    TBitmap Picture_;
    int ScrollX_ = 0;
    int ScrollY_ = 0;
};
