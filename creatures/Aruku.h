#pragma once

#include "creatures/Ikimono.h"

// Walkers along the bottom: act on about half the ticks, climb at a quarter of their
// horizontal rate, and turn every 40 moves. Frames 0 and 1 face left, 2 and 3 right.
class TARUKU : public TIKIMONO {
public:
    TARUKU(TTankView* view, TIKIMONO* parent) : TIKIMONO(view, parent) {}

    void Show() override;
    TStepResult Step() override;

    int Frame = 0;
};
