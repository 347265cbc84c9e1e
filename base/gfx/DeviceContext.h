#pragma once

#include "base/gfx/Bitmap.h"

#include <cstdint>
#include <vector>

// Something with a picture that drawing contexts draw into: the main window, or the
// headless tool's stand-in. Present hands over the rectangles that changed, so that only
// they are shown again.
class TDrawable {
public:
    virtual TBitmap& Picture() = 0;
    virtual void Present(const std::vector<TRect>& changed) = 0;

protected:
    ~TDrawable() = default;
};

// A drawing context: either on a drawable's picture (GetDC) or a memory context whose
// target is the bitmap selected into it (CreateCompatibleDC).
class TDC {
public:
    explicit TDC(TDrawable* owner) : Owner(owner) {}

    TBitmap* Target() const { return Owner ? &Owner->Picture() : Selected; }

    TDrawable* Owner;
    TBitmap* Selected = nullptr;
    std::vector<TRect> Changed;
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
// Scales the source rectangle onto the destination rectangle, nearest neighbour.
bool StretchBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh,
                std::uint32_t rop);
