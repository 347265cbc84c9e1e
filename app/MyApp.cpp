#include "app/MyApp.h"

#include "app/MyWindow.h"
#include "sim/Tank.h"

void TMyApp::InitMainWindow()
{
    auto window = std::make_unique<TMyWindow>(Tank_);
    Window_ = window.get();
    Window_->TimerInterval = Line_.TimerInterval;
    Window_->RunForSeconds = Line_.RunForSeconds;
    SetMainWindow(std::move(window));
    Tank_.BlankBitmap = LoadBitmapA("BLANC");
    Window_->Sui = TWaveSound::Load("sui");
    Window_->Uge = TWaveSound::Load("uge");
}

std::string TMyApp::StatsLine() const
{
    return Window_ ? Window_->Meter.StatsLine() : std::string();
}
