// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "base/gfx/Rect.h"

#include <cstdint>
#include <optional>
#include <vector>

// 0xFFRRGGBB, the layout the window shows without conversion.
using TColour = std::uint32_t;

constexpr TColour RGB(int r, int g, int b)
{
    return 0xFF000000u | (std::uint32_t(r & 255) << 16) | (std::uint32_t(g & 255) << 8) | std::uint32_t(b & 255);
}

// The tank's water: the window background and every sprite's surround.
constexpr TColour kBackgroundColour = RGB(0, 255, 255);

// A pixel image held in memory: sprites, the blank bitmap and the window's picture.
class TBitmap {
public:
    TBitmap(int width, int height, TColour fill = kBackgroundColour);

    int Width() const { return Width_; }
    int Height() const { return Height_; }
    TRect Bounds() const { return {0, 0, Width_, Height_}; }

    TColour Pixel(int x, int y) const { return Pixels_[std::size_t(y) * std::size_t(Width_) + std::size_t(x)]; }
    void SetPixel(int x, int y, TColour c)
    {
        Solid_.reset();
        Pixels_[std::size_t(y) * std::size_t(Width_) + std::size_t(x)] = c;
    }
    TColour* Row(int y)
    {
        Solid_.reset();
        return Pixels_.data() + std::size_t(y) * std::size_t(Width_);
    }
    const TColour* Row(int y) const { return Pixels_.data() + std::size_t(y) * std::size_t(Width_); }

    // The one colour of every pixel, when the bitmap is known to be of one colour: so from
    // its making with a fill until anything may write to it, or since FindSolidColour saw
    // it so. Blits from such a bitmap are fills.
    std::optional<TColour> SolidColour() const { return Solid_; }
    // Looks at every pixel and remembers the colour when there is only one.
    void FindSolidColour();

    void Fill(const TRect& area, TColour c);
    // Changes the size, keeping the pixels that still fit at their place; new area gets fill.
    void Resize(int width, int height, TColour fill = kBackgroundColour);
    // Moves the content by (dx, dy) pixels; the strip it uncovers gets fill.
    void Shift(int dx, int dy, TColour fill = kBackgroundColour);

private:
    int Width_;
    int Height_;
    std::vector<TColour> Pixels_;
    std::optional<TColour> Solid_;
};

using HBITMAP = TBitmap*;

// Loads a bitmap resource by name (case-insensitive); null when there is none.
HBITMAP LoadBitmapA(const char* name);
// Releases a bitmap made by LoadBitmapA; null is ignored.
bool DeleteObject(HBITMAP bitmap);
