// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "base/gfx/DeviceContext.h"
#include "platform/window/Menu.h"
#include "platform/window/Scroller.h"
#include "platform/window/Window.h"

#include <memory>
#include <vector>

class TFrameWidget;
class TClientView;
class THostWindow;

// A top-level window with caption, sizing border, window menu and optional scroll bars.
// Its client area shows a picture of client size that drawing contexts draw into; what
// they change is shown again, and nothing else, as a few rectangles of whole tiles
// however many were drawn. Scrolling moves the picture and fills the strip it uncovers
// with the background. With a zoom of N, each pixel of the picture shows as N x N pixels
// of the screen: the client area, its size and mouse positions all count in the picture's
// pixels, as they do with the whole-pixel scaling of a dense screen.
class TFrameWindow : public TWindow, public TDrawable {
public:
    TFrameWindow(TWindow* parent, const char* title);
    ~TFrameWindow() override;

    TBitmap& Picture() override { return Picture_; }
    TDirtyArea* Changes() override { return &Changes_; }
    void Present() override;

    TRect GetClientRect() const;
    QWidget* ClientWidget() const;
    TMenu& SystemMenu() { return Menu_; }
    void RevertSystemMenu();
    // A key of the window ("Space", "F11", ".") that sends WM_SYSCOMMAND with the command
    // value, as its window-menu entry would. Ctrl+Q closes every frame window.
    void AddCommandKey(const char* keys, unsigned command);

    std::unique_ptr<TScroller> Scroller;

    int Zoom() const { return Zoom_; }
    void SetZoom(int zoom);
    // Full screen: the client area covers the screen, without menu bar; it sizes as maximized.
    bool IsFullScreen() const;
    void SetFullScreen(bool on);
    // Screensaver mode: the window is made inside the host, without menu bar, window-menu
    // key or frame, sized to the host; it closes when the host goes. Before Create().
    void EmbedInto(std::unique_ptr<THostWindow> host);
    bool IsEmbedded() const { return Host_ != nullptr; }

    // Toolkit side.
    void ClientResized(int width, int height);
    void StateChanged();
    void MouseEvent(unsigned message, unsigned keys, int x, int y);
    void ScrollBarMoved(bool horizontal, int value);
    void WheelTurned(int steps);
    void CloseRequested();
    void MenuButtonPressed(bool byKeyboard);

protected:
    void DefaultProcessing(TMessage& msg) override;
    QWidget* MakeWidget() override;
    QWidget* CursorWidget() const override;
    void DetachWidget() override;

private:
    void ShowWindowMenu();
    void SendSize();
    void SyncScrollBars();

    TBitmap Picture_;
    TDirtyArea Changes_;
    std::vector<TRect> Shown_;  // kept for its storage
    TMenu Menu_;
    TFrameWidget* Frame_ = nullptr;
    int Zoom_ = 1;
    std::unique_ptr<THostWindow> Host_;
    unsigned LastSizeType_ = ~0u;
    int LastWidth_ = -1, LastHeight_ = -1;
};
