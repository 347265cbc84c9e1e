// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "base/gfx/Bitmap.h"

#include "base/gfx/BmpCodec.h"
#include "base/resources/ResourceStore.h"

#include <algorithm>

TBitmap::TBitmap(int width, int height, TColour fill)
    : Width_(std::max(width, 0)), Height_(std::max(height, 0)),
      Pixels_(std::size_t(Width_) * std::size_t(Height_), fill)
{
    if (!Pixels_.empty())
        Solid_ = fill;
}

void TBitmap::FindSolidColour()
{
    Solid_.reset();
    if (!Pixels_.empty() && std::all_of(Pixels_.begin(), Pixels_.end(), [&](TColour c) { return c == Pixels_[0]; }))
        Solid_ = Pixels_[0];
}

void TBitmap::Fill(const TRect& area, TColour c)
{
    const TRect r = area.Intersect(Bounds());
    if (r.IsEmpty())
        return;
    TColour* row = Row(r.Top) + r.Left;
    const std::size_t width = std::size_t(r.Width()), stride = std::size_t(Width_);
    for (int y = r.Top; y < r.Bottom; ++y, row += stride)
        std::fill_n(row, width, c);
}

void TBitmap::Resize(int width, int height, TColour fill)
{
    TBitmap next(width, height, fill);
    const TRect keep = Bounds().Intersect(next.Bounds());
    for (int y = keep.Top; y < keep.Bottom; ++y)
        std::copy(Row(y) + keep.Left, Row(y) + keep.Right, next.Row(y) + keep.Left);
    *this = std::move(next);
}

void TBitmap::Shift(int dx, int dy, TColour fill)
{
    if (dx == 0 && dy == 0)
        return;
    TBitmap next(Width_, Height_, fill);
    const TRect moved = TRect{dx, dy, Width_ + dx, Height_ + dy}.Intersect(Bounds());
    for (int y = moved.Top; y < moved.Bottom; ++y)
        std::copy(Row(y - dy) + (moved.Left - dx), Row(y - dy) + (moved.Right - dx), next.Row(y) + moved.Left);
    *this = std::move(next);
}

HBITMAP LoadBitmapA(const char* name)
{
    const TResourceEntry* res = FindResourceA(name ? name : "", "BITMAP");
    if (!res)
        return nullptr;
    auto bitmap = DecodeBmp(res->Bytes());
    if (bitmap)
        bitmap->FindSolidColour();
    return bitmap.release();
}

bool DeleteObject(HBITMAP bitmap)
{
    delete bitmap;
    return bitmap != nullptr;
}
