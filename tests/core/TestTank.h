// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "creatures/Ikimono.h"
#include "base/gfx/Bitmap.h"
#include "sim/HeadlessWindow.h"
#include "sim/Tank.h"
#include "sim/TankDrawing.h"

#include <array>
#include <memory>
#include <optional>

// A tank with solid-colour stand-ins for the sprites (sprite i is SpriteColour(i)) and a
// cyan blank bitmap, seen through a headless window of the whole tank.
class TTestTank {
public:
    explicit TTestTank(int width = 640, int height = 480, int capacity = 100, std::uint32_t seed = 1);
    ~TTestTank();
    TTestTank(const TTestTank&) = delete;
    TTestTank& operator=(const TTestTank&) = delete;

    static TColour SpriteColour(int index) { return RGB(index + 1, 40, 80); }

    // Creates a completed creature of the species and puts it in the slot.
    TIKIMONO& Put(int slot, int species, TIKIMONO* parent = nullptr);
    template <class T>
    T& PutAs(int slot, int species)
    {
        return dynamic_cast<T&>(Put(slot, species));
    }

    // The two contexts a tick holds, for driving single steps.
    void BeginDrawing() { Drawing.emplace(Window); }
    void EndDrawing() { Drawing.reset(); }

    // Colour of the window picture at a pixel.
    TColour At(int x, int y) { return Window.Picture().Pixel(x, y); }
    // True when every pixel of the rectangle has the colour.
    bool Filled(const TRect& area, TColour colour);

    TTank Tank;
    std::array<std::unique_ptr<TBitmap>, TTank::kSpriteCount> Sprites;
    std::unique_ptr<TBitmap> Blank;
    THeadlessWindow Window;
    std::optional<TTankDrawing> Drawing;
};

// The first seed from `from` on whose fresh generator `wanted` holds.
template <class Predicate>
std::uint32_t SeedWhere(Predicate wanted, std::uint32_t from = 1)
{
    for (std::uint32_t seed = from;; ++seed) {
        TRandom probe;
        probe.srand(seed);
        if (wanted(probe))
            return seed;
    }
}
