// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "base/gfx/Bitmap.h"
#include "base/gfx/DirtyArea.h"

#include <cstdint>

// Something with a picture that drawing contexts draw into: the main window, or the
// headless tool's stand-in. Drawing notes what it changes in Changes(), and releasing a
// context on the drawable has it Present them, so that only they are shown again.
class TDrawable {
public:
    virtual TBitmap& Picture() = 0;
    // Null when the picture is all there is and nothing needs showing again.
    virtual TDirtyArea* Changes() = 0;
    // Shows again what Changes() holds, and empties it.
    virtual void Present() = 0;

protected:
    ~TDrawable() = default;
};

// A drawing context: either on a drawable's picture (GetDC) or a memory context whose
// target is the bitmap selected into it (CreateCompatibleDC). Contexts are kept for reuse
// once freed, so taking one in every tick allocates nothing.
class TDC {
public:
    TBitmap* Target() const { return Owner ? OwnerPicture : Selected; }

    TDrawable* Owner = nullptr;
    TBitmap* OwnerPicture = nullptr;
    TDirtyArea* Changes = nullptr;
    TBitmap* Selected = nullptr;
};

using HDC = TDC*;

constexpr std::uint32_t SRCCOPY = 0x00CC0020;

HDC GetDC(TDrawable* window);
// Shows what the context changed, then frees it. Returns 1, or 0 for a foreign context.
int ReleaseDC(TDrawable* window, HDC dc);
HDC CreateCompatibleDC(HDC dc);
bool DeleteDC(HDC dc);
// Returns the bitmap selected before.
HBITMAP SelectObject(HDC dc, HBITMAP bitmap);

// Copies w x h pixels from (sx, sy) of the source to (x, y) of the destination, clipped to
// both bitmaps. Only SRCCOPY is supported; anything else fails.
bool BitBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, std::uint32_t rop);
// Scales the source rectangle onto the destination rectangle, nearest neighbour: the
// destination pixel at offset (i, j) from (x, y) takes the source pixel at
// (sx + i * sw / w, sy + j * sh / h), rounded down, and stays as it was when that lies
// outside the source bitmap.
bool StretchBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh,
                std::uint32_t rop);
// Paints the part of area outside kept in one colour, clipped to the target: what filling
// all of area would leave once kept is drawn over, with fewer writes.
bool FillOutside(HDC dst, const TRect& area, const TRect& kept, TColour colour);
