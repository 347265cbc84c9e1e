#pragma once

#include "base/gfx/DeviceContext.h"
#include "platform/window/Menu.h"
#include "platform/window/Scroller.h"
#include "platform/window/Window.h"

#include <memory>
#include <vector>

class TFrameWidget;
class TClientView;

// A top-level window with caption, sizing border, window menu and optional scroll bars.
// Its client area shows a picture of client size that drawing contexts draw into; what
// they change is shown again, and nothing else, as a few rectangles of whole tiles
// however many were drawn. Scrolling moves the picture and fills the strip it uncovers
// with the background.
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

    std::unique_ptr<TScroller> Scroller;

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
    unsigned LastSizeType_ = ~0u;
    int LastWidth_ = -1, LastHeight_ = -1;
};
