// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "app/CommandLine.h"
#include "platform/window/Application.h"
#include "sim/SavedTank.h"

#include <memory>
#include <optional>
#include <string>

class THostWindow;
class TMyWindow;
struct TTank;

// The application: its main window is the aquarium, paced and measured as the command
// line says.
class TMyApp : public TApplication {
public:
    // With a host window, the aquarium is a screensaver drawn inside it. With a tank read
    // from a file, it starts from that instead of the founders.
    TMyApp(TTank& tank, const TCommandLine& options, std::unique_ptr<THostWindow> host = nullptr,
           std::optional<TSavedTank> opened = {});
    ~TMyApp() override;

    // The --stats line of the run, once the window has closed; empty before.
    std::string StatsLine() const;

protected:
    void InitMainWindow() override;

private:
    TTank& Tank_;
    const TCommandLine Options_;
    std::unique_ptr<THostWindow> Host_;
    std::optional<TSavedTank> Opened_;
    TMyWindow* Window_ = nullptr;
};
