// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "base/resources/ResourceStore.h"
#include "platform/services/Services.h"
#include "platform/window/Window.h"

#include <functional>
#include <string>
#include <vector>

// Timers that work as the real ones, except that the next `FailuresLeft` starts fail.
class TFlakyTimers final : public ITimerService {
public:
    bool Start(TWindow& window, unsigned id, unsigned milliseconds) override
    {
        Starts.push_back(milliseconds);
        if (FailuresLeft > 0) {
            --FailuresLeft;
            return false;
        }
        return window.StartTimer(id, milliseconds);
    }
    bool Stop(TWindow& window, unsigned id) override
    {
        ++Stops;
        return window.StopTimer(id);
    }

    int FailuresLeft = 0;
    std::vector<unsigned> Starts;
    int Stops = 0;
};

// Message boxes that are dismissed at once, and remembered.
class TRecordingMessageBoxes final : public IMessageBoxService {
public:
    int Show(TWindow*, const char* text, const char* caption, unsigned) override
    {
        Shown.push_back(std::string(caption) + ": " + text);
        return 1;
    }
    std::vector<std::string> Shown;
};

// A silent player that remembers which images it was asked to play.
class TRecordingSounds final : public ISoundService {
public:
    bool Play(const unsigned char* image, std::size_t size) override
    {
        Played.push_back({image, size});
        return true;
    }
    // How often the player was asked for the named wave.
    int Plays(const char* name) const
    {
        const TResourceEntry* wave = FindResourceA(name, "WAVE");
        int n = 0;
        for (const auto& play : Played)
            n += wave && play.Image == wave->Data;
        return n;
    }
    struct TPlay {
        const unsigned char* Image;
        std::size_t Size;
    };
    std::vector<TPlay> Played;
};

// File dialogs that remember what they were asked and give the answer the test sets, run
// while the dialog would be open; without one, the user cancels.
class TScriptedFileDialogs final : public IFileDialogService {
public:
    std::string Choose(TWindow*, const TFileDialogRequest& request) override
    {
        Asked.push_back(request);
        return Answer ? Answer(request) : std::string();
    }
    std::function<std::string(const TFileDialogRequest&)> Answer;
    std::vector<TFileDialogRequest> Asked;
};

// Installs the doubles for the life of a test.
class TServiceDoubles {
public:
    TServiceDoubles() { Services() = {&Timers, &Boxes, &Sounds, &FileDialogs}; }
    ~TServiceDoubles() { RestoreDefaultServices(); }

    TFlakyTimers Timers;
    TRecordingMessageBoxes Boxes;
    TRecordingSounds Sounds;
    TScriptedFileDialogs FileDialogs;
};
