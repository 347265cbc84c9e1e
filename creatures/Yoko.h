#pragma once

#include "creatures/Batabata.h"

// Sideways walkers: act on about two ticks in three and turn often.
class TYOKO : public TBATABATA {
public:
    TYOKO(TTankView* view, TIKIMONO* parent) : TBATABATA(view, parent) {}

    TStepResult Step() override;
};
