// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "base/gfx/Bitmap.h"
#include "base/gfx/DeviceContext.h"
#include "sim/TankWindow.h"

// Whether a headless window holds a picture of its client area.
enum class TPicture { Kept, None };

// A window without a display: its picture stands for the client area, which covers the
// whole tank unless told otherwise. Used by the headless tool and the tests.
class THeadlessWindow final : public TTankWindow, public TDrawable {
public:
    // Client area ScreenWidth x ScreenHeight of the tank, not scrolled. Without a picture
    // the window offers nothing to draw on: creatures still take every step and age as they
    // are drawn, but nothing is painted and nothing the size of the tank is held.
    explicit THeadlessWindow(TTank& tank, TPicture picture = TPicture::Kept);
    THeadlessWindow(TTank& tank, int clientWidth, int clientHeight);

    TTank& Tank() override { return Tank_; }
    TDrawable* Drawable() override { return Kept_ ? this : nullptr; }
    int ClientWidth() const override { return ClientWidth_; }
    int ClientHeight() const override { return ClientHeight_; }
    int ScrollX() const override { return ScrollX_; }
    int ScrollY() const override { return ScrollY_; }

    // Empty without a picture.
    TBitmap& Picture() override { return Picture_; }
    // The picture is all there is: nothing further to show, so nothing is noted.
    TDirtyArea* Changes() override { return nullptr; }
    void Present() override {}

    // In scroll units of 16 pixels.
    void SetScroll(int x, int y);

private:
    THeadlessWindow(TTank& tank, int clientWidth, int clientHeight, TPicture picture);

    TTank& Tank_;
    int ClientWidth_;
    int ClientHeight_;
    bool Kept_;
    TBitmap Picture_;
    int ScrollX_ = 0;
    int ScrollY_ = 0;
};
