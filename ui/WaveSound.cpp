// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "ui/WaveSound.h"

#include "platform/services/Sound.h"

TWaveSound TWaveSound::Load(const char* name)
{
    return {LoadResource(FindResourceA(name, "WAVE"))};
}

void TWaveSound::Free()
{
    FreeResource(Loaded);
    Loaded = nullptr;
}

void PlayWave(const TWaveSound& sound)
{
    sndPlaySoundA(LockResource(sound.Loaded), SND_ASYNC | SND_MEMORY);
}
