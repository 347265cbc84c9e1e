// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/services/FileDialogs.h"
#include "platform/services/QtSoundPlayer.h"
#include "platform/services/Services.h"
#include "platform/window/Window.h"

#include <QMessageBox>
#include <QWidget>

namespace {

class TQtTimers final : public ITimerService {
public:
    bool Start(TWindow& window, unsigned id, unsigned milliseconds) override
    {
        return window.StartTimer(id, milliseconds);
    }
    bool Stop(TWindow& window, unsigned id) override { return window.StopTimer(id); }
};

class TQtMessageBoxes final : public IMessageBoxService {
public:
    int Show(TWindow* owner, const char* text, const char* caption, unsigned) override
    {
        QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(caption), QString::fromUtf8(text), QMessageBox::Ok,
                        owner ? owner->Widget() : nullptr);
        box.exec();
        return 1;
    }
};

TServices Defaults()
{
    static TQtTimers timers;
    static TQtMessageBoxes boxes;
    static TQtFileDialogs fileDialogs;
    return {&timers, &boxes, &DefaultSoundPlayer(), &fileDialogs};
}

}  // namespace

TQtSoundPlayer& DefaultSoundPlayer()
{
    static TQtSoundPlayer player;
    return player;
}

TServices& Services()
{
    static TServices services = Defaults();
    return services;
}

void RestoreDefaultServices()
{
    Services() = Defaults();
}
