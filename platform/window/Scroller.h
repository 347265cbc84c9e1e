// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <functional>

// Scrolls a window's view over a larger area in whole units. Positions and ranges are in
// units; the position always lies within 0 to the range.
class TScroller {
public:
    TScroller(int xUnit, int yUnit, long xRange, long yRange);

    void SetRange(long xRange, long yRange);
    void ScrollTo(long x, long y);
    void ScrollBy(long dx, long dy) { ScrollTo(XPos + dx, YPos + dy); }
    // The page step follows the visible extent: (extent + 1) / unit - 1, at least 1.
    void SetPageSize(int clientWidth, int clientHeight);

    int XUnit, YUnit;
    long XRange, YRange;
    long XPos = 0, YPos = 0;
    int XLine = 1, YLine = 1;
    long XPage = 1, YPage = 1;
    // Off: dragging a thumb scrolls only when it is released.
    bool TrackMode = true;

    // Told the change in pixels after every move, and after every change of range or page.
    std::function<void(int dxPixels, int dyPixels)> OnScroll;
    std::function<void()> OnChange;
};
