#pragma once

#include "platform/dialogs/Control.h"

// A text label.
class TStatic : public TControl {
public:
    TStatic(TDialog* parent, int id) : TControl(parent, id) {}

    void SetText(const char* utf8);
};
