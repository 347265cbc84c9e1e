// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/dialogs/Dialog.h"
#include "platform/dialogs/Controls.h"

#include <span>

// Sets the simulation timer's period: the bar's position is the interval in milliseconds,
// 1 (fast, at the left) to 500 (slow). OK takes it; Cancel leaves the interval alone.
class TSpeedDlg : public TDialog {
public:
    static constexpr int kBarId = 116;

    TSpeedDlg(TWindow* parent, int& timerInterval);

    TScrollBar Bar{this, kBarId};

protected:
    void SetupWindow() override;
    bool ResponseTableLookup(TMessage& msg) override;

private:
    void EvOk(TMessage&);
    int& TimerInterval_;
};
