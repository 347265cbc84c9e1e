// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

// A pixel rectangle: Left and Top inclusive, Right and Bottom exclusive.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool operator==(const TRect&) const = default;

    TRect Intersect(const TRect& o) const
    {
        TRect r{Left > o.Left ? Left : o.Left, Top > o.Top ? Top : o.Top,
                Right < o.Right ? Right : o.Right, Bottom < o.Bottom ? Bottom : o.Bottom};
        return r.IsEmpty() ? TRect{} : r;
    }
};

// Calls f with at most four rectangles that together cover exactly the part of a outside
// b, without overlapping: the band above, the two sides, then the band below.
template <class F>
void ForEachPartOutside(const TRect& a, const TRect& b, F f)
{
    if (a.IsEmpty())
        return;
    const TRect in = a.Intersect(b);
    if (in.IsEmpty()) {
        f(a);
        return;
    }
    if (a.Top < in.Top)
        f(TRect{a.Left, a.Top, a.Right, in.Top});
    if (a.Left < in.Left)
        f(TRect{a.Left, in.Top, in.Left, in.Bottom});
    if (in.Right < a.Right)
        f(TRect{in.Right, in.Top, a.Right, in.Bottom});
    if (in.Bottom < a.Bottom)
        f(TRect{a.Left, in.Bottom, a.Right, a.Bottom});
}
