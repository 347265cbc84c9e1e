#pragma once

#include "app/RunMeter.h"
#include "platform/window/FrameWindow.h"
#include "sim/TankWindow.h"
#include "ui/SimulationTimer.h"
#include "ui/WaveSound.h"

struct TTank;

// The aquarium's one window, "Tolvenn", over the screen-sized tank. It holds the shared
// resources for the whole run, starts the simulation when it is set up, hands each event
// to the part of the program that serves it, and empties the tank when it closes.
class TMyWindow : public TFrameWindow, public TTankWindow {
public:
    explicit TMyWindow(TTank& tank);
    ~TMyWindow() override;

    // TTankWindow
    TTank& Tank() override { return Tank_; }
    TDrawable* Drawable() override { return this; }
    int ClientWidth() const override { return ClientWidth_; }
    int ClientHeight() const override { return ClientHeight_; }
    int ScrollX() const override { return int(Scroller->XPos); }
    int ScrollY() const override { return int(Scroller->YPos); }

    HCURSOR RestingCursor = nullptr;
    HCURSOR ScoopingCursor = nullptr;
    TWaveSound Sui;
    TWaveSound Uge;
    // The simulation timer's period in milliseconds, set by the speed dialog.
    int TimerInterval = kDefaultTimerInterval;
    // The window closes by itself, through the close command, at the first tick after this
    // many seconds; 0 never.
    int RunForSeconds = 0;
    TRunMeter Meter;

protected:
    void SetupWindow() override;
    bool CanClose() override;
    void GetWindowClass(TWindowClass& wc) override;
    const char* GetClassName() override { return "VEO"; }
    bool ResponseTableLookup(TMessage& msg) override;

private:
    void EvLButtonDown(TMessage& msg);
    void EvRButtonDown(TMessage& msg);
    void EvSize(TMessage& msg);
    void EvTimer(TMessage& msg);
    void EvLButtonUp(TMessage& msg);
    void EvSysCommand(TMessage& msg);

    TTank& Tank_;
    int ClientWidth_ = 0;
    int ClientHeight_ = 0;
};
