// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

constexpr unsigned SND_ASYNC = 0x0001;
constexpr unsigned SND_MEMORY = 0x0004;

// Plays a wave image held in memory (SND_MEMORY) without waiting (SND_ASYNC); a new sound
// cuts off the one playing. The player keeps its own copy of the data, so the caller may
// release the image while it plays. Without an audio device it stays silent.
// Plays nothing while sounds are muted (TServices::SoundsMuted).
bool sndPlaySoundA(const void* image, unsigned flags);
