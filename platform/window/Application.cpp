// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/window/Application.h"

#include "platform/services/QtSoundPlayer.h"
#include "platform/window/Window.h"

#include <QApplication>
#include <QEventLoop>
#include <QWidget>

#include <algorithm>

bool DisplayAvailable(const std::vector<std::string>& arguments)
{
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET"})
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    return std::find(arguments.begin(), arguments.end(), "-platform") != arguments.end() ||
           std::find(arguments.begin(), arguments.end(), "--platform") != arguments.end();
}

TPlatformSession::TPlatformSession(int& argc, char** argv, const char* desktopId)
{
    // Whole-number scaling keeps pixel art sharp on dense screens.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    // The window menu stays in the window, where a title bar's system menu would be, also
    // on a desktop with a global menu bar.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    App_ = std::make_unique<QApplication>(argc, argv);
    if (desktopId)
        QGuiApplication::setDesktopFileName(QString::fromUtf8(desktopId));
    QApplication::setQuitOnLastWindowClosed(false);
}

TPlatformSession::~TPlatformSession()
{
    // The closing sound may still be playing; let it end before the toolkit goes.
    DefaultSoundPlayer().Finish(1500);
}

TApplication::TApplication(const char* name)
{
    if (name && qApp)
        QApplication::setApplicationName(QString::fromUtf8(name));
}

TApplication::~TApplication() = default;

void TApplication::SetMainWindow(std::unique_ptr<TWindow> window)
{
    MainWindow_ = std::move(window);
}

int TApplication::Run()
{
    InitMainWindow();
    if (!MainWindow_ || !MainWindow_->Create())
        return 1;
    MainWindow_->Widget()->show();
    // The loop ends once the main window's toolkit window is gone.
    QEventLoop loop;
    QObject::connect(MainWindow_->Widget(), &QObject::destroyed, &loop, &QEventLoop::quit);
    return loop.exec();
}
