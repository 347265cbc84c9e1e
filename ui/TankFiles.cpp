// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "ui/TankFiles.h"

#include "platform/services/Files.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "sim/SavedTank.h"
#include "sim/TankFile.h"
#include "ui/Texts.h"


namespace {

std::string Choose(TWindow& owner, TFileDialogRequest::TKind kind, const char* caption, const std::string& path)
{
    return Services().FileDialogs->Choose(&owner, {kind, TTexts::tr(caption).toStdString(),
                                                   TTexts::tr(QT_TRANSLATE_NOOP("Tolvenn", "Tolvenn tanks (*.tank)")).toStdString(), "tank", path});
}

// `what` holds %1 for the file and %2 for the reason.
void Report(TWindow& owner, const char* what, const std::string& path, const std::string& error)
{
    const std::string text =
        TTexts::tr(what).arg(QString::fromStdString(path), QString::fromStdString(error)).toStdString();
    MessageBoxA(&owner, text.c_str(), "Tolvenn", MB_OK);
}

}  // namespace

bool ReadTankFrom(const std::string& path, TSavedTank& saved, std::string& error)
{
    std::string text;
    return ReadSmallFile(path, kMaxTankFileBytes, text, error) && ReadTankFile(text, saved, error);
}

void SaveTankChosen(TWindow& owner, const TTank& tank, std::string& path)
{
    const std::string chosen =
        Choose(owner, TFileDialogRequest::TKind::Save, QT_TRANSLATE_NOOP("Tolvenn", "Save tank"), path);
    if (chosen.empty())
        return;
    path = chosen;
    std::string error;
    if (!WriteFileSafely(chosen, FormatTankFile(tank), error))
        Report(owner, QT_TRANSLATE_NOOP("Tolvenn", "The tank could not be saved to %1:\n%2"), chosen, error);
}

bool ReadTankChosen(TWindow& owner, TSavedTank& saved, std::string& path)
{
    const std::string chosen =
        Choose(owner, TFileDialogRequest::TKind::Open, QT_TRANSLATE_NOOP("Tolvenn", "Open tank"), path);
    if (chosen.empty())
        return false;
    path = chosen;
    std::string error;
    if (ReadTankFrom(chosen, saved, error))
        return true;
    Report(owner, QT_TRANSLATE_NOOP("Tolvenn", "The tank could not be opened from %1:\n%2"), chosen, error);
    return false;
}

bool RestoreTankOrSay(TWindow& owner, TTankWindow& tankWindow, const TSavedTank& saved)
{
    if (RestoreTank(saved, tankWindow))
        return true;
    const std::string text = TTexts::tr(QT_TRANSLATE_NOOP("Tolvenn", "There is not enough memory to open the tank."))
                                 .toStdString();
    MessageBoxA(&owner, text.c_str(), "Tolvenn", MB_OK);
    return false;
}
