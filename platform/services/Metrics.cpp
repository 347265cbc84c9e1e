// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/services/Metrics.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

int GetSystemMetrics(int index)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    switch (index) {
    case SM_CXSCREEN:
        return screen ? screen->geometry().width() : 0;
    case SM_CYSCREEN:
        return screen ? screen->geometry().height() : 0;
    case SM_CYCAPTION:
        return qApp ? QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight) : 0;
    default:
        return 0;
    }
}
