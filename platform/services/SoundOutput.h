// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>

// What the sound module gives the player: an output that plays one wave image at a time.
// The module is a library of its own, loaded only when there is a sound to play and a
// sound server to play it on, because it brings the toolkit's multimedia libraries.
class ISoundOutput {
public:
    virtual ~ISoundOutput() = default;
    // Plays a complete wave image asynchronously from its own copy, cutting off what is
    // playing; false when it cannot.
    virtual bool Play(const unsigned char* image, std::size_t size) = 0;
    // Lets the sound playing now run to its end (at most maxMilliseconds), then stops.
    virtual void Finish(int maxMilliseconds) = 0;
};

// The module's one entry point: extern "C" ISoundOutput* TolvennSoundOutput(), returning
// an output that lives as long as the program.
inline constexpr const char* kSoundOutputEntry = "TolvennSoundOutput";
using TSoundOutputEntry = ISoundOutput* (*)();

// Whether a sound server answers, asked by the small program beside the sound module.
bool SoundServerAnswers();
// Loads the module from its place beside the program; null when it is not there.
ISoundOutput* LoadSoundOutput();
