// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "app/MyApp.h"

#include "app/MyWindow.h"
#include "platform/services/TerminationSignal.h"
#include "platform/window/HostWindow.h"
#include "sim/Tank.h"

TMyApp::TMyApp(TTank& tank, const TCommandLine& options, std::unique_ptr<THostWindow> host,
               std::optional<TSavedTank> opened)
    : TApplication(nullptr), Tank_(tank), Options_(options), Host_(std::move(host)), Opened_(std::move(opened))
{
}

TMyApp::~TMyApp() = default;

void TMyApp::InitMainWindow()
{
    auto window = std::make_unique<TMyWindow>(Tank_, Options_, std::move(Opened_));
    TMyWindow& made = *window;
    Window_ = &made;
    if (Host_) {
        made.EmbedInto(std::move(Host_));
        // A screensaver is ended by a signal; the window closes as if asked.
        OnTerminationSignal([&made] { made.PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0); });
    }
    SetMainWindow(std::move(window));
}

std::string TMyApp::StatsLine() const
{
    return Window_ ? Window_->Meter.StatsLine() : std::string();
}
