// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "app/CommandLine.h"
#include "app/RunMeter.h"
#include "platform/window/FrameWindow.h"
#include "sim/CensusHistory.h"
#include "sim/SavedTank.h"
#include "sim/TankWindow.h"
#include "ui/CensusWindow.h"
#include "ui/SimulationTimer.h"
#include "ui/WaveSound.h"

#include <optional>
#include <string>

struct TTank;

// The aquarium's one window, "Tolvenn", over the screen-sized tank. It loads the shared
// resources for the whole run (cursors, bitmaps, sounds) when it is built, starts the
// simulation when it is set up, hands each event to the part of the program that serves
// it, and empties the tank when it closes.
class TMyWindow : public TFrameWindow, public TTankWindow {
    // First, for the members below that hold on to it.
    TTank& Tank_;

public:
    // The options that change how the tank is shown: pause, zoom, full screen, screensaver.
    // With a tank read from a file, the window starts from it instead of the founders; the
    // tank as prepared for this screen still sets the extent the window is made for.
    explicit TMyWindow(TTank& tank, const TCommandLine& options = {}, std::optional<TSavedTank> opened = {});
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
    // The simulation timer's period in milliseconds, set by the speed dialog, and the
    // user's pause.
    TSimulationPace Pace;
    // The census of the run, a row taken in the tick.
    TCensusHistory History;

    TCensusWindow Census{Tank_, History};

    // The run's time and figures for --run-for and --stats.
    TRunMeter Meter;

    // One tick of the simulation and its census.
    void Tick();
    void SetPaused(bool paused);

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
    void RunWatchCommand(unsigned command);
    void ShowPace();
    void ShowMenuChecks();
    void FitScrollRange();
    bool OpenSaved(const TSavedTank& saved);

    const TCommandLine Options_;
    std::optional<TSavedTank> Opened_;
    // The tank's extent as made for this screen; a maximized window shows it whole.
    const int ScreenTankWidth_;
    const int ScreenTankHeight_;
    int ClientWidth_ = 0;
    int ClientHeight_ = 0;
    unsigned SizeType_ = SIZE_RESTORED;
    // The tank file saved or opened last, suggested by the next file dialog.
    std::string TankPath_;
};
