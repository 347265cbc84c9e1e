#pragma once

#include "platform/window/Application.h"

struct TTank;

// The application: its main window is the aquarium.
class TMyApp : public TApplication {
public:
    explicit TMyApp(TTank& tank) : TApplication(nullptr), Tank_(tank) {}

protected:
    void InitMainWindow() override;

private:
    TTank& Tank_;
};
