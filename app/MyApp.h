#pragma once

#include "app/CommandLine.h"
#include "platform/window/Application.h"

struct TTank;

// The application: its main window is the aquarium.
class TMyApp : public TApplication {
public:
    TMyApp(TTank& tank, const TCommandLine& options) : TApplication(nullptr), Tank_(tank), Options_(options) {}

protected:
    void InitMainWindow() override;

private:
    TTank& Tank_;
    const TCommandLine Options_;
};
