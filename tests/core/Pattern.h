// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "base/gfx/Bitmap.h"

// A picture whose every pixel tells where it lies: origin(x, y) at (x, y).
template <class F>
TBitmap Pattern(int width, int height, F origin)
{
    TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            b.SetPixel(x, y, origin(x, y));
    return b;
}
