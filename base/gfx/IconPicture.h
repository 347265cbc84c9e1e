// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "base/gfx/Bitmap.h"

#include <array>
#include <vector>

// The sizes at which desktops show an application icon.
inline constexpr std::array<int, 7> kIconSizes = {16, 24, 32, 48, 64, 128, 256};

// A fully transparent pixel: the icon's water, where the desktop shows through.
inline constexpr TColour kTransparent = 0x00000000u;

// The icon at size x size pixels: of the square pictures given, the one that fills the
// most when enlarged by the largest whole factor that fits (the more detailed on a tie),
// enlarged so and centred, with the tank's background colour made transparent. Pixel art
// stays crisp because no pixel is ever split. Empty (0 x 0) when no picture fits.
TBitmap DrawIcon(const std::vector<const TBitmap*>& pictures, int size);
