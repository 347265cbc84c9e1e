// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "ui/SpeedDialog.h"

#include "platform/window/ResponseTable.h"
#include "ui/SimulationTimer.h"

TSpeedDlg::TSpeedDlg(TWindow* parent, int& timerInterval) : TDialog(parent, "speed"), TimerInterval_(timerInterval) {}

void TSpeedDlg::SetupWindow()
{
    TDialog::SetupWindow();
    Bar.SetRange(kMinTimerInterval, kMaxTimerInterval);
    Bar.SetPosition(TimerInterval_);
}

bool TSpeedDlg::ResponseTableLookup(TMessage& msg)
{
    static constexpr TResponseEntry<TSpeedDlg> table[] = {{WM_COMMAND, 1, &TSpeedDlg::EvOk}};
    return DispatchResponse<TSpeedDlg>(*this, table, msg) || TDialog::ResponseTableLookup(msg);
}

void TSpeedDlg::EvOk(TMessage&)
{
    TimerInterval_ = Bar.GetPosition();
    CmOk();
}
