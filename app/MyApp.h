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

// Start-up once the command line is read and the toolkit's session exists: seeds the
// random numbers from the clock, measures the screen, fixes the tank's capacity (0: the
// screen width decides) and runs the aquarium until its window closes. Returns the exit
// status.
int RunAquarium(int capacity);
