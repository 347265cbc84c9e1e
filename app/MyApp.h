#pragma once

#include "app/CommandLine.h"
#include "platform/window/Application.h"
#include "sim/SavedTank.h"

#include <memory>
#include <optional>

class THostWindow;
struct TTank;

// The application: its main window is the aquarium.
class TMyApp : public TApplication {
public:
    // With a host window, the aquarium is a screensaver drawn inside it. With a tank read
    // from a file, it starts from that instead of the founders.
    TMyApp(TTank& tank, const TCommandLine& options, std::unique_ptr<THostWindow> host = nullptr,
           std::optional<TSavedTank> opened = {});
    ~TMyApp() override;

protected:
    void InitMainWindow() override;

private:
    TTank& Tank_;
    const TCommandLine Options_;
    std::unique_ptr<THostWindow> Host_;
    std::optional<TSavedTank> Opened_;
};
