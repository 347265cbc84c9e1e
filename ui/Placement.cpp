// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "ui/Placement.h"

#include <algorithm>

QPoint PlaceBeside(const QRect& frame, const QSize& size, const QRect& screen)
{
    int x = frame.right() + 1;
    if (x + size.width() - 1 > screen.right())
        x = frame.left() - size.width() >= screen.left() ? frame.left() - size.width()
                                                         : screen.right() + 1 - size.width();
    const int y = std::min(frame.top(), screen.bottom() + 1 - size.height());
    return {std::max(x, screen.left()), std::max(y, screen.top())};
}
