// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/services/Sound.h"

#include "platform/services/Services.h"

#include <cstdint>

bool sndPlaySoundA(const void* image, unsigned flags)
{
    if (!image || !(flags & SND_MEMORY) || Services().SoundsMuted)
        return false;
    // A RIFF image says its own length: 8 header bytes plus the size it records.
    const auto* bytes = static_cast<const unsigned char*>(image);
    if (bytes[0] != 'R' || bytes[1] != 'I' || bytes[2] != 'F' || bytes[3] != 'F')
        return false;
    const std::uint32_t size = std::uint32_t(bytes[4]) | std::uint32_t(bytes[5]) << 8 |
                               std::uint32_t(bytes[6]) << 16 | std::uint32_t(bytes[7]) << 24;
    if (size > (64u << 20))
        return false;
    return Services().Sounds->Play(bytes, std::size_t(size) + 8);
}
