#pragma once

#include "platform/dialogs/Control.h"

// A single-line edit.
class TEdit : public TControl {
public:
    TEdit(TDialog* parent, int id) : TControl(parent, id) {}

    void SetText(const char* utf8);
    // Copies the text as UTF-8 into the buffer: at most size - 1 bytes, never half a
    // character, always terminated. Returns the bytes copied.
    int GetText(char* buffer, int size) const;
};
