// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>
#include <QRect>

// Dialog units are fractions of the dialog font: a quarter of its average character
// width across, an eighth of its height down.
struct TDialogUnits {
    int BaseX = 8;
    int BaseY = 16;

    static TDialogUnits ForFont(const QFont& font);
    int X(int units) const { return (units * BaseX + 2) / 4; }
    int Y(int units) const { return (units * BaseY + 4) / 8; }
    QRect Rect(int x, int y, int w, int h) const { return {X(x), Y(y), X(w), Y(h)}; }
};
