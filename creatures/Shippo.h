#pragma once

#include "creatures/Ikimono.h"

// Tail-wavers: run a few moves, then pause a few steps wagging the tail between two
// frames, turning only when a pause ends (or at a bounce).
class TSHIPPO : public TIKIMONO {
public:
    TSHIPPO(TTankView* view, TIKIMONO* parent) : TIKIMONO(view, parent) {}

    void Show() override;
    TStepResult Step() override;

    int RunSteps = 5;
    int PauseSteps = 0;
    int TailFrame = 1;
};
