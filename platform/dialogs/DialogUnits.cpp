// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/dialogs/DialogUnits.h"

#include <QFontMetrics>

TDialogUnits TDialogUnits::ForFont(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int alphabet = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    TDialogUnits units;
    units.BaseX = qMax(1, (alphabet / 26 + 1) / 2);
    units.BaseY = qMax(1, metrics.height());
    return units;
}
