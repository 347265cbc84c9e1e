// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QCoreApplication>

// The program's own texts in the user's language: TTexts::tr("...") looks a text up in the
// catalogues' "Tolvenn" context (resources/translations), where lupdate finds it too.
struct TTexts {
    Q_DECLARE_TR_FUNCTIONS(Tolvenn)
};
