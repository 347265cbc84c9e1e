#pragma once

#include "platform/dialogs/DialogUnits.h"
#include "base/resources/DialogTemplate.h"

#include <QString>

class QDialog;
class QWidget;

// The font a template asks for, with fallbacks for faces this system may lack.
QFont DialogFont(const TDialogTemplate& dlg);

// Builds the template's controls inside the dialog: geometry from dialog units, tab order
// as in the template. A control with an id is named by its id, so it can be found again.
TDialogUnits BuildDialogControls(const TDialogTemplate& dlg, QDialog& dialog);

QString ControlName(int id);
