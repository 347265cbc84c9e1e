#include "app/MyWindow.h"

#include "creatures/Ikimono.h"
#include "platform/window/ResponseTable.h"
#include "sim/Population.h"
#include "sim/SpriteSet.h"
#include "sim/Tank.h"
#include "sim/Tick.h"
#include "ui/CreatureSettings.h"
#include "ui/Scoop.h"
#include "ui/SimulationTimer.h"
#include "ui/SystemCommand.h"

TMyWindow::TMyWindow(TTank& tank) : TFrameWindow(nullptr, "Tolvenn"), Tank_(tank)
{
    RestingCursor = LoadCursorA("CURSOR1");
    ScoopingCursor = LoadCursorA("CURSOR2");
    Attr.Style |= WS_HSCROLL | WS_VSCROLL;
    Scroller = std::make_unique<TScroller>(kScrollUnit, kScrollUnit, Tank_.ScreenWidth / 32, Tank_.ScreenHeight / 32);
    Scroller->TrackMode = false;
    LoadBitmaps(Tank_);
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
    PlayWave(Sui);
    HMENU menu = GetSystemMenu(this, false);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kSpeedCommand, "速さ...");
    AppendMenuA(menu, MF_STRING, kAboutCommand, "About...");
    Meter.Start(RunForSeconds);
    StartSimulationTimer(*this, TimerInterval);
    PopulateTank(*this);
}

bool TMyWindow::CanClose()
{
    PlayWave(Uge);
    StopSimulationTimer(*this);
    Meter.Stop(Tank_.Ticks, Tank_.Population());
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
    ScoopPress(*this, *this, ScoopingCursor, Uge, GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam));
}

void TMyWindow::EvLButtonUp(TMessage&)
{
    ScoopRelease(*this, RestingCursor);
}

void TMyWindow::EvRButtonDown(TMessage& msg)
{
    OpenCreatureSettings(*this, *this, TimerInterval, GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam));
}

void TMyWindow::EvSize(TMessage& msg)
{
    const TRect client = GetClientRect();
    ClientWidth_ = client.Right;
    ClientHeight_ = client.Bottom;
    if (msg.WParam == SIZE_MAXIMIZED)
        Scroller->SetRange(0, 0);
    else if (msg.WParam != SIZE_MINIMIZED)
        Scroller->SetRange((Tank_.ScreenWidth - ClientWidth_) / kScrollUnit,
                           (Tank_.ScreenHeight - ClientHeight_) / kScrollUnit);
    DefaultProcessing(msg);
}

void TMyWindow::EvTimer(TMessage&)
{
    RunTick(*this);
    if (Meter.TimeIsUp())
        PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
}

void TMyWindow::EvSysCommand(TMessage& msg)
{
    StopSimulationTimer(*this);
    RunOwnSystemCommand(*this, TimerInterval, unsigned(msg.WParam), Sui);
    DefaultProcessing(msg);
    if (IsWindow())
        StartSimulationTimer(*this, TimerInterval);
}
