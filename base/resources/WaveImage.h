// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// What a RIFF wave image holds: its PCM format and where its samples lie.
struct TWaveFormat {
    int Channels = 0;
    int SampleRate = 0;
    int BitsPerSample = 0;
    std::size_t DataOffset = 0;
    std::size_t DataSize = 0;
};

// Reads the format of an uncompressed PCM wave image; nothing for anything else or for
// a chunk that runs past the end.
std::optional<TWaveFormat> ParseWave(std::span<const unsigned char> image);
