// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/dialogs/DialogUnits.h"
#include "base/resources/DialogTemplate.h"

#include <QString>

class QDialog;
class QWidget;

// The font a template asks for, with fallbacks for faces this system may lack.
QFont DialogFont(const TDialogTemplate& dlg);

// Builds the template's controls inside the dialog: geometry from dialog units, tab order
// as in the template, texts translated. A control with an id is named by its id, so it
// can be found again. A label's access key leads to the next control in tab order. The
// dialog grows wider where a text needs more room than the template gives it.
TDialogUnits BuildDialogControls(const TDialogTemplate& dlg, QDialog& dialog);

// A caption or control text of the template in the user's language: the texts are
// translated in a context named after the template ("IDENSHI", "SPEED", "ABOUT").
QString TranslatedText(const TDialogTemplate& dlg, const std::string& text);

QString ControlName(int id);
