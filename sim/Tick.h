// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

class TTankWindow;

// What a tick did, added to whatever the counts already hold.
struct TTickCounts {
    std::int64_t Steps = 0;   // Step calls
    std::int64_t Births = 0;  // children placed in the tank
    std::int64_t Deaths = 0;  // creatures destroyed for STEP_DIE
};

// One timer tick: takes the window's drawing context and one memory context, steps every
// creature in slots 0 to TankCapacity - 1 in order, destroys those that die, places each
// child in the first empty slot (or drops it when the tank is full), and gives the two
// contexts back.
void RunTick(TTankWindow& window, TTickCounts* counts = nullptr);
