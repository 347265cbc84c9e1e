// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/dialogs/Dialog.h"
#include "platform/dialogs/Controls.h"

#include <cstdint>

// The About box, with the seed the run started from, so that any run can be made again
// with --seed.
class TAboutDlg : public TDialog {
public:
    static constexpr int kSeedId = 101;

    TAboutDlg(TWindow* parent, std::uint32_t seed) : TDialog(parent, "about"), Seed_(seed) {}

    TStatic SeedText{this, kSeedId};

protected:
    void SetupWindow() override;

private:
    std::uint32_t Seed_;
};
