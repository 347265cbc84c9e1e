// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "base/resources/ResourceHandles.h"

// One of the two embedded sounds, loaded once for the whole run.
struct TWaveSound {
    HGLOBAL Loaded = nullptr;

    // Finds and loads the "WAVE" resource of that name.
    static TWaveSound Load(const char* name);
    void Free();
};

// Plays the sound from memory without waiting, cutting off whatever is playing.
// Every sound of the program goes through here.
void PlayWave(const TWaveSound& sound);
