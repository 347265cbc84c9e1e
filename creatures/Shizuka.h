#pragma once

#include "creatures/Ikimono.h"

// Quiet ones with a single picture.
class TSHIZUKA : public TIKIMONO {
public:
    TSHIZUKA(TTankView* view, TIKIMONO* parent) : TIKIMONO(view, parent) {}

    void Show() override;
};
