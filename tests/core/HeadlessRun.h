// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "sim/HeadlessWindow.h"
#include "sim/Tank.h"
#include "tools/sim/Census.h"

#include <cstdint>
#include <memory>

// A run as the headless tool makes one: the real sprites, a window over the whole tank,
// the generator seeded and the founders put in.
class THeadlessRun {
public:
    THeadlessRun(int width, int height, int capacity, std::uint32_t seed);
    ~THeadlessRun();
    THeadlessRun(const THeadlessRun&) = delete;
    THeadlessRun& operator=(const THeadlessRun&) = delete;

    // Runs the ticks; with a census, adds a row after each one.
    void Run(std::int64_t ticks, TCensus* census = nullptr);
    // The number of creatures in the tank.
    int Population() const;

    TTank Tank;
    std::unique_ptr<THeadlessWindow> Window;
};
