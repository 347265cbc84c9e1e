// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "ui/AboutDialog.h"

#include <QCoreApplication>

void TAboutDlg::SetupWindow()
{
    TDialog::SetupWindow();
    SeedText.SetText(QCoreApplication::translate("Tolvenn", "Seed %1").arg(Seed_).toUtf8().constData());
}
