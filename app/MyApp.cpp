#include "app/MyApp.h"

#include "app/MyWindow.h"
#include "sim/Tank.h"

void TMyApp::InitMainWindow()
{
    auto window = std::make_unique<TMyWindow>(Tank_, Options_);
    TMyWindow& made = *window;
    SetMainWindow(std::move(window));
    Tank_.BlankBitmap = LoadBitmapA("BLANC");
    made.Sui = TWaveSound::Load("sui");
    made.Uge = TWaveSound::Load("uge");
}
