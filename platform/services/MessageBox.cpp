// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/services/MessageBox.h"

#include "platform/services/Services.h"

int MessageBoxA(TWindow* owner, const char* text, const char* caption, unsigned type)
{
    return Services().MessageBoxes->Show(owner, text ? text : "", caption ? caption : "", type);
}
