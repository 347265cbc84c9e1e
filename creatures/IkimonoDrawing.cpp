// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "creatures/Ikimono.h"

#include <climits>
#include <utility>

bool TIKIMONO::DrawnArea(TRect& area) const
{
    const int sx = View->ClientX(X);
    const int sy = View->ClientY(Y);
    // Visibility is judged on the full size at every stage.
    if (sx + Width < 0 || sy + Height < 0 || sx > View->ClientWidth() || sy > View->ClientHeight())
        return false;

    // Ages and growth compare as unsigned numbers, so a negative growth reads as a very
    // slow one; twice the growth is formed in 64 bits and never wraps round to a small
    // value. A growing creature grows right and down.
    const unsigned int growth = static_cast<unsigned int>(GeneGrowth);
    int w = Width / 2;
    int h = Height / 2;
    if (Giant == 1) {
        w = 2 * Width;
        h = 2 * Height;
    } else if (2ull * growth < Age) {
        w = Width;
        h = Height;
    } else if (growth < Age) {
        w = Width / 4 * 3;
        h = Height / 4 * 3;
    }
    area = {sx, sy, sx + w, sy + h};
    return true;
}

void TIKIMONO::Erase()
{
    TRect area;
    if (DrawnArea(area))
        Blit(World_.BlankBitmap, area);
}

void TIKIMONO::Redraw()
{
    TRect area;
    if (DrawnArea(area))
        Blit(Shown_ ? Shown_ : Bitmaps[0], area);
}

void TIKIMONO::DrawBitmap(HBITMAP bitmap)
{
    // Wrapping round would shrink an old creature back to a newborn's size.
    if (Age < UINT_MAX)
        ++Age;
    Shown_ = bitmap;
    TRect area;
    const bool shown = DrawnArea(area);
    EraseUncovered(shown && Covers(bitmap) ? area : TRect{});
    if (shown)
        Blit(bitmap, area);
}

bool TIKIMONO::Covers(HBITMAP bitmap) const
{
    // A bitmap smaller than the creature leaves part of its area as it was.
    return bitmap && bitmap->Width() >= Width && bitmap->Height() >= Height;
}

void TIKIMONO::EraseUncovered(const TRect& kept)
{
    const TRect old = std::exchange(Uncovered_, TRect{});
    if (old.IsEmpty() || !World_.WindowDC)
        return;
    // The blank bitmap is one colour and larger than any creature, so erasing is a fill.
    const HBITMAP blank = World_.BlankBitmap;
    if (Covers(blank) && blank->SolidColour())
        FillOutside(World_.WindowDC, old, kept, *blank->SolidColour());
    else
        Blit(blank, old);
}

void TIKIMONO::Blit(HBITMAP source, const TRect& area)
{
    // Outside a tick or a removal there are no contexts, and nothing may be drawn.
    if (!World_.WindowDC || !World_.MemoryDC)
        return;
    SelectObject(World_.MemoryDC, source);
    if (area.Width() == Width && area.Height() == Height)
        BitBlt(World_.WindowDC, area.Left, area.Top, Width, Height, World_.MemoryDC, 0, 0, SRCCOPY);
    else
        StretchBlt(World_.WindowDC, area.Left, area.Top, area.Width(), area.Height(), World_.MemoryDC, 0, 0, Width,
                   Height, SRCCOPY);
}
