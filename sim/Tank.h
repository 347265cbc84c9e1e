// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "creatures/World.h"

#include <array>
#include <cstdint>
#include <memory>

class TIKIMONO;

// The tank: its extent, capacity and table of creatures, the shared bitmaps, the closing
// mark, the two drawing contexts of a tick or a removal, and the one random generator
// (the last five shared with every creature through TWorld). One object, so that a test
// can start from a fresh tank.
struct TTank : TWorld {
    static constexpr int kSlots = 1000;
    static constexpr int kSpriteCount = 43;

    int TankCapacity = 0;
    std::array<std::unique_ptr<TIKIMONO>, kSlots> TankTable;
    std::array<HBITMAP, kSpriteCount> SpriteBitmaps{};
    // The value the generator was seeded with when the run started, and the ticks run since.
    std::uint32_t Seed = 0;
    std::int64_t Ticks = 0;

    TTank();
    // Destroys the creatures as closing does: the window may already be gone.
    ~TTank();
    TTank(const TTank&) = delete;
    TTank& operator=(const TTank&) = delete;

    // Seeds the one generator at the start of a run and remembers the seed.
    void SeedRandom(std::uint32_t seed);
    // The slots in use: the first TankCapacity of them, held to the table's size.
    int UsedSlots() const;
    // Destroys the creatures of all the slots, not only the used ones, in slot order, and
    // empties them; each is erased unless ClosingFlag is set.
    void DestroyAllCreatures();
    // Destroys every creature without drawing, as closing does, but leaves the tank open
    // (ClosingFlag clear): for replacing the whole population at once.
    void DestroyAllCreaturesUndrawn();
    // The end of the run: sets ClosingFlag, then destroys every creature without drawing.
    void Close();
};
