#pragma once

#include "creatures/Ikimono.h"

// Quiet ones with a single picture.
class TSHIZUKA : public TIKIMONO {
public:
    TSHIZUKA(TTankWindow* window, TIKIMONO* parent) : TIKIMONO(window, parent) {}

    void Show() override;
};
