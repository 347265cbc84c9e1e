#pragma once

#include "creatures/Batabata.h"

// Sideways walkers: act on about two ticks in three and turn often.
class TYOKO : public TBATABATA {
public:
    TYOKO(TTankWindow* window, TIKIMONO* parent) : TBATABATA(window, parent) {}

    int Step() override;
};
