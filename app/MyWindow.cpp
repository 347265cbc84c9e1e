// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "app/MyWindow.h"

#include "creatures/Ikimono.h"
#include "platform/services/Services.h"
#include "platform/window/ResponseTable.h"
#include "sim/Census.h"
#include "sim/Population.h"
#include "sim/SpriteSet.h"
#include "sim/Tank.h"
#include "sim/TankDrawing.h"
#include "sim/Tick.h"
#include "ui/CreatureSettings.h"
#include "ui/Scoop.h"
#include "ui/SimulationTimer.h"
#include "ui/SystemCommand.h"
#include "ui/TankFiles.h"
#include "ui/Texts.h"
#include "ui/WatchCommands.h"

TMyWindow::TMyWindow(TTank& tank, const TCommandLine& options, std::optional<TSavedTank> opened)
    : TFrameWindow(nullptr, "Tolvenn"),
      Tank_(tank),
      Options_(options),
      Opened_(std::move(opened)),
      ScreenTankWidth_(tank.ScreenWidth),
      ScreenTankHeight_(tank.ScreenHeight)
{
    Pace.Paused = options.Paused;
    Pace.Interval = options.TimerInterval;
    RestingCursor = LoadCursorA("CURSOR1");
    ScoopingCursor = LoadCursorA("CURSOR2");
    // A screensaver's window shows the whole tank, which is its size.
    if (!options.IsScreensaver())
        Attr.Style |= WS_HSCROLL | WS_VSCROLL;
    Scroller = std::make_unique<TScroller>(kScrollUnit, kScrollUnit, Tank_.ScreenWidth / 32, Tank_.ScreenHeight / 32);
    Scroller->TrackMode = false;
    LoadBitmaps(Tank_);
    Sui = TWaveSound::Load("sui");
    Uge = TWaveSound::Load("uge");
}

TMyWindow::~TMyWindow()
{
    DeleteBitmaps(Tank_);
}

void TMyWindow::GetWindowClass(TWindowClass& wc)
{
    TFrameWindow::GetWindowClass(wc);
    wc.Cursor = RestingCursor;
    wc.Icon = LoadIconA("ICON_1");
    wc.HasBackground = true;
    wc.Background = kBackgroundColour;
}

void TMyWindow::SetupWindow()
{
    TFrameWindow::SetupWindow();
    SetZoom(Options_.Zoom);
    if (Options_.FullScreen && !Options_.IsScreensaver())
        SetFullScreen(true);
    PlayWave(Sui);
    HMENU menu = GetSystemMenu(this, false);
    if (!Options_.IsScreensaver())
        AddWatchCommands(*this, kMaxZoom);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kSpeedCommand, TTexts::tr("速さ...").toStdString().c_str());
    AppendMenuA(menu, MF_STRING, kAboutCommand, (TTexts::tr("About...") + QStringLiteral("\tF1")).toStdString().c_str());
    AddCommandKey("F1", kAboutCommand);
    Meter.Start(Options_.RunForSeconds);
    StartSimulationTimer(*this, Pace);
    if (!Opened_ || !OpenSaved(*Opened_)) {
        PopulateTank(*this);
        History.Start(Tank_);
    }
    Opened_.reset();
    ShowPace();
}

bool TMyWindow::OpenSaved(const TSavedTank& saved)
{
    if (!RestoreTankOrSay(*this, *this, saved))
        return false;
    FitScrollRange();
    // Nothing of the old picture stays: water, then every creature as the file left it.
    const TRect whole = GetClientRect();
    Picture().Fill(whole, kBackgroundColour);
    Changes()->Add(whole);
    Present();
    RedrawCreatures(*this);
    History.Start(Tank_);
    Census.StartAfresh();
    return true;
}

void TMyWindow::Tick()
{
    TTickCounts counts;
    RunTick(*this, &counts);
    History.Record(Tank_, counts);
}

void TMyWindow::SetPaused(bool paused)
{
    Pace.Paused = paused;
    if (paused)
        StopSimulationTimer(*this);
    else
        StartSimulationTimer(*this, Pace);
    ShowPace();
}

void TMyWindow::ShowPace()
{
    SetTitle(Caption("Tolvenn", Pace.Paused));
    ShowMenuChecks();
    // A tank that stands still shows its creatures as they were last drawn.
    if (Pace.Paused)
        RedrawCreatures(*this);
}

void TMyWindow::ShowMenuChecks()
{
    HMENU menu = GetSystemMenu(this, false);
    CheckMenuItem(menu, kPauseCommand, Pace.Paused ? MF_CHECKED : MF_UNCHECKED);
    CheckMenuItem(menu, kMuteCommand, Services().SoundsMuted ? MF_CHECKED : MF_UNCHECKED);
    CheckMenuItem(menu, kFullScreenCommand, IsFullScreen() ? MF_CHECKED : MF_UNCHECKED);
    for (int zoom = 1; zoom <= kMaxZoom; ++zoom)
        CheckMenuItem(menu, kZoomCommand + unsigned(zoom) - 1, zoom == Zoom() ? MF_CHECKED : MF_UNCHECKED);
}

bool TMyWindow::CanClose()
{
    PlayWave(Uge);
    StopSimulationTimer(*this);
    Meter.Stop(Tank_.Ticks, CountPopulation(Tank_).Total);
    Census.Close();
    Tank_.Close();
    // The player has its own copy of "uge", so freeing the images does not cut it off.
    Sui.Free();
    Uge.Free();
    return true;
}

bool TMyWindow::ResponseTableLookup(TMessage& msg)
{
    static constexpr TResponseEntry<TMyWindow> table[] = {
        {WM_LBUTTONDOWN, 0, &TMyWindow::EvLButtonDown}, {WM_RBUTTONDOWN, 0, &TMyWindow::EvRButtonDown},
        {WM_SIZE, 0, &TMyWindow::EvSize},               {WM_TIMER, 0, &TMyWindow::EvTimer},
        {WM_LBUTTONUP, 0, &TMyWindow::EvLButtonUp},     {WM_SYSCOMMAND, 0, &TMyWindow::EvSysCommand},
    };
    return DispatchResponse<TMyWindow>(*this, table, msg) || TFrameWindow::ResponseTableLookup(msg);
}

void TMyWindow::EvLButtonDown(TMessage& msg)
{
    if (Options_.IsScreensaver())
        return;
    ScoopPress(*this, *this, ScoopingCursor, Uge, GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam));
}

void TMyWindow::EvLButtonUp(TMessage&)
{
    ScoopRelease(*this, RestingCursor);
}

void TMyWindow::EvRButtonDown(TMessage& msg)
{
    if (Options_.IsScreensaver())
        return;
    OpenCreatureSettings(*this, *this, Pace, GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam));
}

void TMyWindow::EvSize(TMessage& msg)
{
    const TRect client = GetClientRect();
    ClientWidth_ = client.Right;
    ClientHeight_ = client.Bottom;
    SizeType_ = unsigned(msg.WParam);
    FitScrollRange();
    DefaultProcessing(msg);
    if (Pace.Paused)
        RedrawCreatures(*this);
}

void TMyWindow::FitScrollRange()
{
    if (SizeType_ == SIZE_MINIMIZED)
        return;
    // A maximized window shows the screen's tank whole; a larger one opened from a file
    // scrolls as in a smaller window.
    if (SizeType_ == SIZE_MAXIMIZED && Tank_.ScreenWidth <= ScreenTankWidth_ &&
        Tank_.ScreenHeight <= ScreenTankHeight_)
        Scroller->SetRange(0, 0);
    else
        Scroller->SetRange((Tank_.ScreenWidth - ClientWidth_) / kScrollUnit,
                           (Tank_.ScreenHeight - ClientHeight_) / kScrollUnit);
}

void TMyWindow::EvTimer(TMessage&)
{
    Tick();
    if (Meter.TimeIsUp())
        PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
}

void TMyWindow::EvSysCommand(TMessage& msg)
{
    StopSimulationTimer(*this);
    RunOwnSystemCommand(*this, Pace.Interval, unsigned(msg.WParam), Sui, Tank_.Seed);
    RunWatchCommand(unsigned(msg.WParam));
    DefaultProcessing(msg);
    if (IsWindow())
        StartSimulationTimer(*this, Pace);
}

void TMyWindow::RunWatchCommand(unsigned command)
{
    switch (command) {
    case kPauseCommand:
        SetPaused(!Pace.Paused);
        break;
    case kStepCommand:
        if (Pace.Paused)
            Tick();
        break;
    case kMuteCommand:
        Services().SoundsMuted = !Services().SoundsMuted;
        break;
    case kCensusCommand:
        Census.Show(*this);
        break;
    case kFullScreenCommand:
        SetFullScreen(!IsFullScreen());
        break;
    case kSaveTankCommand:
        SaveTankChosen(*this, Tank_, TankPath_);
        break;
    case kOpenTankCommand:
        if (TSavedTank saved; ReadTankChosen(*this, saved, TankPath_))
            OpenSaved(saved);
        break;
    default:
        if (command >= kZoomCommand && command < kZoomCommand + kMaxZoom)
            SetZoom(int(command - kZoomCommand) + 1);
        break;
    }
    ShowMenuChecks();
}
