// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "ui/AboutDialog.h"

#include "ui/Texts.h"

void TAboutDlg::SetupWindow()
{
    TDialog::SetupWindow();
    SeedText.SetText(TTexts::tr("Seed %1").arg(Seed_).toUtf8().constData());
}
