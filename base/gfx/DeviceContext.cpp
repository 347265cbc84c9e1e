// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "base/gfx/DeviceContext.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace {

// Freed contexts, waiting for the next GetDC or CreateCompatibleDC.
std::vector<std::unique_ptr<TDC>>& SpareContexts()
{
    static std::vector<std::unique_ptr<TDC>> spare;
    return spare;
}

HDC TakeContext(const TDC& settings)
{
    auto& spare = SpareContexts();
    if (spare.empty())
        return new TDC(settings);
    HDC dc = spare.back().release();
    spare.pop_back();
    *dc = settings;
    return dc;
}

void GiveBack(HDC dc)
{
    SpareContexts().emplace_back(dc);
}

// The smallest offset t >= 0 whose source offset t * s / d (rounded down) reaches k; d
// itself when only offsets past d would, which no destination pixel has.
long long FirstReaching(long long k, int s, int d)
{
    if (k <= 0)
        return 0;
    if (k >= s)
        return d;
    return (k * d + s - 1) / s;
}

struct TTransfer {
    TBitmap& To;
    const TBitmap& From;
    int X, Y, W, H, SX, SY, SW, SH;
};

// The part of the clipped area whose pixels a scaling transfer takes from inside the
// source bitmap.
TRect Covered(const TRect& area, const TTransfer& t)
{
    const long long left = t.X + FirstReaching(-(long long)t.SX, t.SW, t.W);
    const long long right = t.X + FirstReaching((long long)t.From.Width() - t.SX, t.SW, t.W);
    const long long top = t.Y + FirstReaching(-(long long)t.SY, t.SH, t.H);
    const long long bottom = t.Y + FirstReaching((long long)t.From.Height() - t.SY, t.SH, t.H);
    return {int(std::max<long long>(area.Left, left)), int(std::max<long long>(area.Top, top)),
            int(std::min<long long>(area.Right, right)), int(std::min<long long>(area.Bottom, bottom))};
}

// The source offsets t * s / d (rounded down) for t = t0, t0 + 1, ...: divisions only to
// start, and none on an axis that keeps its size.
class TSourceSteps {
public:
    TSourceSteps(long long t0, int s, int d)
        : Whole_(s == d ? 1 : s / d), Part_(s == d ? 0 : s % d), D_(d), Quotient_(0), Remainder_(0)
    {
        if (t0 != 0) {
            Quotient_ = t0 * s / d;
            Remainder_ = t0 * s % d;
        }
    }
    int Next()
    {
        const long long now = Quotient_;
        Quotient_ += Whole_;
        Remainder_ += Part_;
        if (Remainder_ >= D_) {
            Remainder_ -= D_;
            ++Quotient_;
        }
        return int(now);
    }

private:
    long long Whole_, Part_, D_, Quotient_, Remainder_;
};

// A transfer at the same size onto `covered`; most creature drawings are a few pixels a
// row, so the rows are walked by their strides alone.
void CopyBlock(const TTransfer& t, const TRect& covered)
{
    const int n = covered.Width();
    const std::size_t toStride = std::size_t(t.To.Width()), fromStride = std::size_t(t.From.Width());
    TColour* out = t.To.Row(covered.Top) + covered.Left;
    const TColour* in = t.From.Row(t.SY + (covered.Top - t.Y)) + (t.SX + (covered.Left - t.X));
    for (int y = covered.Top; y < covered.Bottom; ++y, out += toStride, in += fromStride) {
        // Sprite rows are short: a plain loop beats a library call per row.
        for (int i = 0; i < n; ++i)
            out[i] = in[i];
    }
}

void StretchRows(const TTransfer& t, const TRect& covered)
{
    // The source column of each destination column, a slice of columns at a time.
    constexpr int kSlice = 256;
    int sourceColumn[kSlice];
    TSourceSteps column(covered.Left - t.X, t.SW, t.W);
    for (int slice = covered.Left; slice < covered.Right; slice += kSlice) {
        const int n = std::min(kSlice, covered.Right - slice);
        for (int i = 0; i < n; ++i)
            sourceColumn[i] = t.SX + column.Next();
        TSourceSteps sourceRow(covered.Top - t.Y, t.SH, t.H);
        TColour* out = t.To.Row(covered.Top) + slice;
        for (int dy = covered.Top; dy < covered.Bottom; ++dy, out += t.To.Width()) {
            const TColour* in = t.From.Row(t.SY + sourceRow.Next());
            for (int i = 0; i < n; ++i)
                out[i] = in[sourceColumn[i]];
        }
    }
}

}  // namespace

HDC GetDC(TDrawable* window)
{
    if (!window)
        return nullptr;
    TDC settings;
    settings.Owner = window;
    settings.OwnerPicture = &window->Picture();
    settings.Changes = window->Changes();
    return TakeContext(settings);
}

int ReleaseDC(TDrawable* window, HDC dc)
{
    if (!dc || dc->Owner != window)
        return 0;
    if (dc->Changes && !dc->Changes->IsEmpty())
        window->Present();
    GiveBack(dc);
    return 1;
}

HDC CreateCompatibleDC(HDC)
{
    return TakeContext(TDC{});
}

bool DeleteDC(HDC dc)
{
    if (!dc || dc->Owner)
        return false;
    GiveBack(dc);
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

    const TTransfer transfer{*to, *from, x, y, w, h, sx, sy, sw, sh};
    const TRect covered = Covered(area, transfer);
    if (!covered.IsEmpty()) {
        if (const auto colour = from->SolidColour())
            to->Fill(covered, *colour);
        else if (sw == w && sh == h)
            CopyBlock(transfer, covered);
        else
            StretchRows(transfer, covered);
    }
    if (dst->Changes)
        dst->Changes->Add(area);
    return true;
}

bool FillOutside(HDC dst, const TRect& area, const TRect& kept, TColour colour)
{
    TBitmap* to = dst ? dst->Target() : nullptr;
    if (!to)
        return false;
    const TRect clipped = area.Intersect(to->Bounds());
    ForEachPartOutside(clipped, kept, [&](const TRect& part) { to->Fill(part, colour); });
    if (dst->Changes)
        dst->Changes->Add(clipped);
    return true;
}

bool BitBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, std::uint32_t rop)
{
    return StretchBlt(dst, x, y, w, h, src, sx, sy, w, h, rop);
}
