// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <memory>
#include <string>
#include <vector>

class QApplication;
class TWindow;

// The toolkit's session: made first, before the screen can be measured, and kept until
// every window is gone. desktopId names the program's desktop entry (without ".desktop"),
// which the desktop uses for its icon and name.
class TPlatformSession {
public:
    TPlatformSession(int& argc, char** argv, const char* desktopId = nullptr);
    ~TPlatformSession();
    TPlatformSession(const TPlatformSession&) = delete;
    TPlatformSession& operator=(const TPlatformSession&) = delete;

private:
    std::unique_ptr<QApplication> App_;
};

// Whether the toolkit has a display to open windows on: an X or Wayland display named in
// the environment, or a platform chosen by QT_QPA_PLATFORM or -platform. Asked before
// the session starts, since the toolkit cannot start without one.
bool DisplayAvailable(const std::vector<std::string>& arguments);

// Runs the message loop of a program with one main window: asks InitMainWindow for the
// window, creates and shows it, and dispatches messages until it has closed.
class TApplication {
public:
    explicit TApplication(const char* name = nullptr);
    virtual ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    int Run();
    TWindow* GetMainWindow() const { return MainWindow_.get(); }

protected:
    virtual void InitMainWindow() = 0;
    void SetMainWindow(std::unique_ptr<TWindow> window);

private:
    std::unique_ptr<TWindow> MainWindow_;
};
