#pragma once

#include "creatures/Ikimono.h"

// Flappers: two frames that alternate on every drawing, whichever way they swim.
class TBATABATA : public TIKIMONO {
public:
    TBATABATA(TTankView* view, TIKIMONO* parent) : TIKIMONO(view, parent) {}

    void Show() override;

    int Frame = 0;
};
