#include "ui/SystemCommand.h"

#include "platform/dialogs/Dialog.h"
#include "ui/SpeedDialog.h"
#include "ui/WaveSound.h"

void RunOwnSystemCommand(TWindow& window, int& timerInterval, unsigned command, const TWaveSound& swish)
{
    if (command == kAboutCommand) {
        PlayWave(swish);
        TDialog(&window, "about").Execute();
    }
    if (command == kSpeedCommand)
        TSpeedDlg(&window, timerInterval).Execute();
}
