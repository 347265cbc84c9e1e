// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window of `size` goes beside the window `frame` on `screen`: to its right when
// the screen has room, else to its left, else as far right as the screen allows, always
// within the screen and level with the frame's top.
QPoint PlaceBeside(const QRect& frame, const QSize& size, const QRect& screen);
