// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "base/gfx/Bitmap.h"
#include "platform/services/Cursor.h"
#include "platform/window/Messages.h"

#include <map>
#include <memory>
#include <string>

class QWidget;

constexpr unsigned WS_HSCROLL = 0x00100000;
constexpr unsigned WS_VSCROLL = 0x00200000;
constexpr unsigned CS_DBLCLKS = 0x0008;

// What a window class gives its windows.
struct TWindowClass {
    unsigned Style = CS_DBLCLKS;
    HCURSOR Cursor = nullptr;
    HICON Icon = nullptr;
    bool HasBackground = false;
    TColour Background = RGB(255, 255, 255);
};

struct TWindowAttr {
    unsigned Style = 0;
};

// A window of the framework. It owns one toolkit window, made by Create(); the toolkit's
// events arrive as messages, which the response table hands to handler methods, and what
// the table does not list gets default handling.
class TWindow {
public:
    TWindow(TWindow* parent, const char* title);
    virtual ~TWindow();
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    // Makes the toolkit window and runs SetupWindow once; showing it is the caller's.
    bool Create();
    bool IsWindow() const { return Widget_ != nullptr; }

    // One message through the response table, then default handling.
    void HandleMessage(TMessage& msg);
    void SendMessage(unsigned message, std::uint64_t wParam = 0, std::int64_t lParam = 0);
    // Delivers the message later from the message loop, unless the window is gone by then.
    void PostMessage(unsigned message, std::uint64_t wParam = 0, std::int64_t lParam = 0);

    // Closes the window when CanClose agrees; returns whether it closed.
    bool CloseWindow();
    void Destroy();
    // Changes the caption.
    void SetTitle(const std::string& title);

    HCURSOR SetClassCursor(HCURSOR cursor);
    HCURSOR ClassCursor() const { return Class_.Cursor; }
    const TWindowClass& WindowClass() const { return Class_; }

    // Starts the toolkit timer behind timer `id`; used by the timer service.
    bool StartTimer(unsigned id, unsigned milliseconds);
    bool StopTimer(unsigned id);
    bool HasTimer(unsigned id) const { return Timers_.count(id) != 0; }
    unsigned TimerPeriod(unsigned id) const;

    QWidget* Widget() const { return Widget_; }
    TWindow* Parent;
    std::string Title;
    TWindowAttr Attr;

    // Toolkit side: a timer event for the toolkit timer id.
    void DeliverTimer(int toolkitId);

protected:
    virtual void SetupWindow() {}
    virtual bool CanClose() { return true; }
    virtual void GetWindowClass(TWindowClass& wc);
    virtual const char* GetClassName() { return "TWindow"; }
    // The response-table lookup: true when the table took the message.
    virtual bool ResponseTableLookup(TMessage&) { return false; }
    virtual void DefaultProcessing(TMessage&) {}

    // Builds the toolkit window; the class attributes are already known.
    virtual QWidget* MakeWidget() = 0;
    // The widget over which the class cursor shows.
    virtual QWidget* CursorWidget() const { return Widget_; }
    // Cuts the toolkit window's ties to this object before it goes.
    virtual void DetachWidget() {}
    // Takes the toolkit window away: at once, or (inside its own event) once it returns.
    void ReleaseWidget(bool now);

private:
    friend class TApplication;
    class TTimerTarget;
    QWidget* Widget_ = nullptr;
    // Receives the toolkit timers: a plain object, so that a tick passes none of the
    // filters and layouts that every event of a window passes.
    std::unique_ptr<TTimerTarget> TimerTarget_;
    TWindowClass Class_;
    struct TTimer {
        int ToolkitId;
        unsigned Period;
    };
    std::map<unsigned, TTimer> Timers_;
    bool SetUp_ = false;
};
