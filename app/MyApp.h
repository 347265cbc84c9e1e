#pragma once

#include "app/CommandLine.h"
#include "platform/window/Application.h"

#include <string>

struct TTank;
class TMyWindow;

// The application: its main window is the aquarium, paced and measured as the command
// line says.
class TMyApp : public TApplication {
public:
    TMyApp(TTank& tank, const TCommandLine& line) : TApplication(nullptr), Tank_(tank), Line_(line) {}

    // The --stats line of the run, once the window has closed; empty before.
    std::string StatsLine() const;

protected:
    void InitMainWindow() override;

private:
    TTank& Tank_;
    TCommandLine Line_;
    TMyWindow* Window_ = nullptr;
};
