// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

// The limits of a tank and the rule for its default capacity, shared by the window, the
// headless tool and the tank file.

// How many creatures the tank may be asked to hold.
inline constexpr int kMinCapacity = 50;
inline constexpr int kMaxCapacity = 800;

constexpr bool IsAllowedCapacity(int capacity)
{
    return capacity >= kMinCapacity && capacity <= kMaxCapacity;
}

// The tank's capacity when the command line gives none: 100 up to 640 pixels of screen
// width, 150 up to 800, and 400 beyond.
int CapacityForScreenWidth(int screenWidth);

// The sides a tank may have, in pixels, caption included: small enough that every
// coordinate and the picture's byte count stay well inside their types.
inline constexpr int kMinTankSide = 64;
inline constexpr int kMaxTankSide = 16384;

constexpr bool IsAllowedTankSide(int side)
{
    return side >= kMinTankSide && side <= kMaxTankSide;
}
