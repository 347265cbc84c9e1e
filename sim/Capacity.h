#pragma once

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
