// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/services/Services.h"

class ISoundOutput;

// Plays wave images, one at a time, through the sound module. The module, and with it the
// toolkit's multimedia libraries, is loaded at the first sound, and only when a sound
// server answers; without one, or without the module, every sound is silent. The output
// copies each image, so a caller may release its own at once.
class TQtSoundPlayer final : public ISoundService {
public:
    bool Play(const unsigned char* image, std::size_t size) override;
    // Lets the sound playing now run to its end (at most maxMilliseconds), then stops.
    void Finish(int maxMilliseconds);

private:
    ISoundOutput* Output();

    bool Tried_ = false;
    ISoundOutput* Output_ = nullptr;
};

// The default player, for the session to let its last sound finish before the program ends.
TQtSoundPlayer& DefaultSoundPlayer();
