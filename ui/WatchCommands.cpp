// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "ui/WatchCommands.h"

#include "platform/window/FrameWindow.h"

#include "ui/Texts.h"

namespace {

struct TEntry {
    unsigned Command;  // 0: a separator
    const char* Text;
    const char* Key;  // empty: none
};

constexpr TEntry kEntries[] = {
    {0, nullptr, ""},
    {kOpenTankCommand, QT_TRANSLATE_NOOP("Tolvenn", "Open tank..."), "Ctrl+O"},
    {kSaveTankCommand, QT_TRANSLATE_NOOP("Tolvenn", "Save tank..."), "Ctrl+S"},
    {0, nullptr, ""},
    {kPauseCommand, QT_TRANSLATE_NOOP("Tolvenn", "Pause"), "Space"},
    {kStepCommand, QT_TRANSLATE_NOOP("Tolvenn", "Step one tick"), "."},
    {kCensusCommand, QT_TRANSLATE_NOOP("Tolvenn", "Census..."), "F2"},
    {kMuteCommand, QT_TRANSLATE_NOOP("Tolvenn", "Mute"), ""},
    {kFullScreenCommand, QT_TRANSLATE_NOOP("Tolvenn", "Full screen"), "F11"},
};


}  // namespace

void AddWatchCommands(TFrameWindow& window, int maxZoom)
{
    HMENU menu = GetSystemMenu(&window, false);
    for (const TEntry& entry : kEntries) {
        if (!entry.Command) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::string text = TTexts::tr(entry.Text).toStdString();
        if (*entry.Key) {
            (text += '\t') += entry.Key;
            window.AddCommandKey(entry.Key, entry.Command);
        }
        AppendMenuA(menu, MF_STRING, entry.Command, text.c_str());
    }
    for (int zoom = 1; zoom <= maxZoom; ++zoom)
        AppendMenuA(menu, MF_STRING, kZoomCommand + unsigned(zoom) - 1,
                    TTexts::tr("Zoom %1×").arg(zoom).toStdString().c_str());
}

std::string Caption(const std::string& title, bool paused)
{
    if (!paused)
        return title;
    return TTexts::tr("%1 (paused)").arg(QString::fromStdString(title)).toStdString();
}
