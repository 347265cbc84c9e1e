// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "ui/SystemCommand.h"

#include "ui/AboutDialog.h"
#include "ui/SpeedDialog.h"
#include "ui/WaveSound.h"

void RunOwnSystemCommand(TWindow& window, int& timerInterval, unsigned command, const TWaveSound& swish,
                         std::uint32_t seed)
{
    if (command == kAboutCommand) {
        PlayWave(swish);
        TAboutDlg(&window, seed).Execute();
    }
    if (command == kSpeedCommand)
        TSpeedDlg(&window, timerInterval).Execute();
}
