// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

struct TCommandLine;
struct TTank;

// Fixes the tank from the command line before the window opens: the seed (given, or the
// clock's), the extent, and the capacity (given, or by the tank's width). The extent is
// the area the tank is shown over (the screen with a caption's height, or a screensaver's
// window) in zoomed pixels: a zoomed tank still just fills it, its creatures drawn bigger.
// A tank opened with --open replaces all of it when the window starts; the extent fixed
// here stays the one the window is made for.
void PrepareTank(TTank& tank, const TCommandLine& line, int areaWidth, int areaHeight, std::uint32_t clockSeed);

// Start-up once the command line is read and the toolkit's session exists: reads the tank
// file given with --open, finds a screensaver's window, fixes the tank and runs the
// aquarium until its window closes. Returns the exit status; a file or window that cannot
// be had is one line on stderr before any window appears.
int RunAquarium(const TCommandLine& line);
