#pragma once

#include "platform/dialogs/Control.h"

// A horizontal scroll bar: line step 1, page step 10, the position always within the range.
class TScrollBar : public TControl {
public:
    TScrollBar(TDialog* parent, int id) : TControl(parent, id) {}

    void SetRange(int minimum, int maximum);
    // A position outside the range is brought to its nearer end.
    void SetPosition(int position);
    int GetPosition() const;
};
