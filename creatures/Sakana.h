#pragma once

#include "creatures/Ikimono.h"

// Fish that swim without pause and now and then dash: a dash doubles DX until a bounce
// re-aims it. Their right edge is strict, so a fish can rest flush against it.
class TSAKANA : public TIKIMONO {
public:
    TSAKANA(TTankView* view, TIKIMONO* parent) : TIKIMONO(view, parent) {}

    TStepResult Step() override;
};
