// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <string>

class TWindow;

// The system services that tests replace with doubles: starting and stopping timers,
// the message box, the sound player and the file dialogs. The program itself always uses the defaults.
class ITimerService {
public:
    virtual ~ITimerService() = default;
    // Starts or restarts timer `id` on the window; false when no timer could be had.
    virtual bool Start(TWindow& window, unsigned id, unsigned milliseconds) = 0;
    virtual bool Stop(TWindow& window, unsigned id) = 0;
};

class IMessageBoxService {
public:
    virtual ~IMessageBoxService() = default;
    virtual int Show(TWindow* owner, const char* text, const char* caption, unsigned type) = 0;
};

class ISoundService {
public:
    virtual ~ISoundService() = default;
    // Plays a complete wave image asynchronously, cutting off what is playing.
    virtual bool Play(const unsigned char* image, std::size_t size) = 0;
};

// What a file dialog asks the user for; the texts are already translated.
struct TFileDialogRequest {
    enum class TKind { Open, Save };
    TKind Kind = TKind::Open;
    std::string Caption;
    std::string Filter;  // "Tolvenn tanks (*.tank)"
    std::string Suffix;  // added to a name typed without one: "tank"
    std::string Path;    // chosen at first; empty: none
};

class IFileDialogService {
public:
    virtual ~IFileDialogService() = default;
    // Runs the desktop's modal file dialog; the path chosen, or empty when the user cancelled.
    virtual std::string Choose(TWindow* owner, const TFileDialogRequest& request) = 0;
};

struct TServices {
    ITimerService* Timers;
    IMessageBoxService* MessageBoxes;
    ISoundService* Sounds;
    IFileDialogService* FileDialogs;
    // While set, no sound is asked of the player at all.
    bool SoundsMuted = false;
};

// The services in force; replace members to install doubles, and put the defaults back
// with RestoreDefaultServices().
TServices& Services();
void RestoreDefaultServices();
