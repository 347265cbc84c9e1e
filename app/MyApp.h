#pragma once

#include "app/CommandLine.h"
#include "platform/window/Application.h"

#include <memory>

class THostWindow;
struct TTank;

// The application: its main window is the aquarium.
class TMyApp : public TApplication {
public:
    // With a host window, the aquarium is a screensaver drawn inside it.
    TMyApp(TTank& tank, const TCommandLine& options, std::unique_ptr<THostWindow> host = nullptr);
    ~TMyApp() override;

protected:
    void InitMainWindow() override;

private:
    TTank& Tank_;
    const TCommandLine Options_;
    std::unique_ptr<THostWindow> Host_;
};
