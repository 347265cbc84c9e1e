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

// One axis of a transfer: the destination pixels [First, Last) that lie inside the
// clipped area and take their pixel from inside the source bitmap.
struct TSpan {
    int First;
    int Last;
    bool IsEmpty() const { return First >= Last; }
};

TSpan Covered(int areaFirst, int areaLast, int at, int size, int sourceAt, int sourceSize, int sourceExtent)
{
    const long long first = at + FirstReaching(-(long long)sourceAt, sourceSize, size);
    const long long last = at + FirstReaching((long long)sourceExtent - sourceAt, sourceSize, size);
    return {int(std::max<long long>(areaFirst, first)), int(std::min<long long>(areaLast, last))};
}

// The source offsets t * s / d (rounded down) for t = t0, t0 + 1, ...: divisions only to
// start, and none for the usual unclipped transfer at the same size.
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

struct TTransfer {
    TBitmap& To;
    const TBitmap& From;
    int X, Y, W, H, SX, SY, SW, SH;
};

void CopyRows(const TTransfer& t, TSpan columns, TSpan rows)
{
    TSourceSteps sourceRow(rows.First - t.Y, t.SH, t.H);
    const int shift = t.SX - t.X;
    const int n = columns.Last - columns.First;
    TColour* out = t.To.Row(rows.First) + columns.First;
    for (int dy = rows.First; dy < rows.Last; ++dy, out += t.To.Width()) {
        const TColour* in = t.From.Row(t.SY + sourceRow.Next()) + columns.First + shift;
        // Sprite rows are short: a plain loop beats a library call per row.
        for (int i = 0; i < n; ++i)
            out[i] = in[i];
    }
}

void StretchRows(const TTransfer& t, TSpan columns, TSpan rows)
{
    // The source column of each destination column, a slice of columns at a time.
    constexpr int kSlice = 256;
    int sourceColumn[kSlice];
    TSourceSteps column(columns.First - t.X, t.SW, t.W);
    for (int slice = columns.First; slice < columns.Last; slice += kSlice) {
        const int n = std::min(kSlice, columns.Last - slice);
        for (int i = 0; i < n; ++i)
            sourceColumn[i] = t.SX + column.Next();
        TSourceSteps sourceRow(rows.First - t.Y, t.SH, t.H);
        TColour* out = t.To.Row(rows.First) + slice;
        for (int dy = rows.First; dy < rows.Last; ++dy, out += t.To.Width()) {
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

    const TSpan columns = Covered(area.Left, area.Right, x, w, sx, sw, from->Width());
    const TSpan rows = Covered(area.Top, area.Bottom, y, h, sy, sh, from->Height());
    if (!columns.IsEmpty() && !rows.IsEmpty()) {
        const TTransfer transfer{*to, *from, x, y, w, h, sx, sy, sw, sh};
        if (const auto colour = from->SolidColour())
            to->Fill({columns.First, rows.First, columns.Last, rows.Last}, *colour);
        else if (sw == w)
            CopyRows(transfer, columns, rows);
        else
            StretchRows(transfer, columns, rows);
    }
    if (dst->Changes)
        dst->Changes->Add(area);
    return true;
}

bool BitBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, std::uint32_t rop)
{
    return StretchBlt(dst, x, y, w, h, src, sx, sy, w, h, rop);
}
