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
