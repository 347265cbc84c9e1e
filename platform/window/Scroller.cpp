// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/window/Scroller.h"

#include <algorithm>

TScroller::TScroller(int xUnit, int yUnit, long xRange, long yRange)
    : XUnit(xUnit), YUnit(yUnit), XRange(std::max(0L, xRange)), YRange(std::max(0L, yRange))
{
}

void TScroller::SetRange(long xRange, long yRange)
{
    XRange = std::max(0L, xRange);
    YRange = std::max(0L, yRange);
    ScrollTo(XPos, YPos);
    if (OnChange)
        OnChange();
}

void TScroller::ScrollTo(long x, long y)
{
    x = std::clamp(x, 0L, XRange);
    y = std::clamp(y, 0L, YRange);
    const long dx = x - XPos, dy = y - YPos;
    if (dx == 0 && dy == 0)
        return;
    XPos = x;
    YPos = y;
    if (OnScroll)
        OnScroll(int(dx * XUnit), int(dy * YUnit));
    if (OnChange)
        OnChange();
}

void TScroller::SetPageSize(int clientWidth, int clientHeight)
{
    XPage = std::max(1L, long((clientWidth + 1) / XUnit - 1));
    YPage = std::max(1L, long((clientHeight + 1) / YUnit - 1));
    if (OnChange)
        OnChange();
}
