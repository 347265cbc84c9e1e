#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/random/Random.h"

#include <array>
#include <memory>

class TIKIMONO;

// Everything the whole program shares: the tank's size and table, the timer period, the
// closing mark, the shared bitmaps, the two drawing contexts of a tick or a removal, and
// the one random generator. One object, so that a test can start from a fresh tank.
struct TTank {
    static constexpr int kSlots = 1000;
    static constexpr int kSpriteCount = 43;

    int ScreenWidth = 0;
    int ScreenHeight = 0;
    int TankCapacity = 0;
    std::array<std::unique_ptr<TIKIMONO>, kSlots> TankTable;
    int TimerInterval = 50;
    int ClosingFlag = 0;
    HBITMAP BlankBitmap = nullptr;
    std::array<HBITMAP, kSpriteCount> SpriteBitmaps{};
    HDC WindowDC = nullptr;
    HDC MemoryDC = nullptr;
    int LastStepResult = 0;
    TRandom Random;

    TTank();
    // Destroys the creatures as closing does: ClosingFlag is set first, so none is erased.
    ~TTank();
    TTank(const TTank&) = delete;
    TTank& operator=(const TTank&) = delete;

    // Destroys the creatures of all the slots, not only the used ones, in slot order, and
    // empties them; each is erased unless ClosingFlag is set.
    void DestroyAllCreatures();
};
