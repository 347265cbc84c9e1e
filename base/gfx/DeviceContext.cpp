#include "base/gfx/DeviceContext.h"

#include <algorithm>
#include <utility>

HDC GetDC(TDrawable* window)
{
    return window ? new TDC(window) : nullptr;
}

int ReleaseDC(TDrawable* window, HDC dc)
{
    if (!dc || dc->Owner != window)
        return 0;
    if (!dc->Changed.empty())
        window->Present(dc->Changed);
    delete dc;
    return 1;
}

HDC CreateCompatibleDC(HDC)
{
    return new TDC(nullptr);
}

bool DeleteDC(HDC dc)
{
    if (!dc || dc->Owner)
        return false;
    delete dc;
    return true;
}

HBITMAP SelectObject(HDC dc, HBITMAP bitmap)
{
    if (!dc || dc->Owner)
        return nullptr;
    return std::exchange(dc->Selected, bitmap);
}

bool StretchBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, std::uint32_t rop)
{
    if (rop != SRCCOPY || !dst || !src || w <= 0 || h <= 0 || sw <= 0 || sh <= 0)
        return false;
    TBitmap* to = dst->Target();
    const TBitmap* from = src->Target();
    if (!to || !from)
        return false;
    const TRect area = TRect{x, y, x + w, y + h}.Intersect(to->Bounds());
    if (area.IsEmpty())
        return true;

    // Source column for each destination column; a column outside the source stays untouched.
    constexpr int kMaxSpan = 256;
    int columns[kMaxSpan];
    const bool cached = area.Width() <= kMaxSpan;
    auto sourceColumn = [&](int dx) { return sx + int((long long)(dx - x) * sw / w); };
    if (cached)
        for (int dx = area.Left; dx < area.Right; ++dx)
            columns[dx - area.Left] = sourceColumn(dx);

    const bool sameSize = sw == w;
    for (int dy = area.Top; dy < area.Bottom; ++dy) {
        const int srow = sy + int((long long)(dy - y) * sh / h);
        if (srow < 0 || srow >= from->Height())
            continue;
        const TColour* in = from->Row(srow);
        TColour* out = to->Row(dy);
        if (sameSize) {
            const int first = std::max(area.Left, x - sx);
            const int last = std::min(area.Right, x - sx + from->Width());
            if (first < last)
                std::copy(in + (first - x + sx), in + (last - x + sx), out + first);
            continue;
        }
        for (int dx = area.Left; dx < area.Right; ++dx) {
            const int scol = cached ? columns[dx - area.Left] : sourceColumn(dx);
            if (scol >= 0 && scol < from->Width())
                out[dx] = in[scol];
        }
    }
    if (dst->Owner)
        dst->Changed.push_back(area);
    return true;
}

bool BitBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, std::uint32_t rop)
{
    return StretchBlt(dst, x, y, w, h, src, sx, sy, w, h, rop);
}
