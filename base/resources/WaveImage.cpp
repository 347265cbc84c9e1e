// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "base/resources/WaveImage.h"

#include <cstring>

namespace {

std::uint32_t Read32(std::span<const unsigned char> d, std::size_t at)
{
    return std::uint32_t(d[at]) | std::uint32_t(d[at + 1]) << 8 | std::uint32_t(d[at + 2]) << 16 |
           std::uint32_t(d[at + 3]) << 24;
}

std::uint16_t Read16(std::span<const unsigned char> d, std::size_t at)
{
    return std::uint16_t(d[at] | d[at + 1] << 8);
}

bool Tag(std::span<const unsigned char> d, std::size_t at, const char* tag)
{
    return std::memcmp(d.data() + at, tag, 4) == 0;
}

}  // namespace

std::optional<TWaveFormat> ParseWave(std::span<const unsigned char> image)
{
    if (image.size() < 12 || !Tag(image, 0, "RIFF") || !Tag(image, 8, "WAVE"))
        return std::nullopt;
    TWaveFormat format;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= image.size()) {
        const std::size_t size = Read32(image, at + 4);
        const std::size_t body = at + 8;
        if (size > image.size() - body)
            return std::nullopt;
        if (Tag(image, at, "fmt ") && size >= 16) {
            if (Read16(image, body) != 1)
                return std::nullopt;
            format.Channels = Read16(image, body + 2);
            format.SampleRate = int(Read32(image, body + 4));
            format.BitsPerSample = Read16(image, body + 14);
            haveFormat = true;
        } else if (Tag(image, at, "data") && haveFormat) {
            format.DataOffset = body;
            format.DataSize = size;
            if (format.Channels < 1 || format.SampleRate < 1 ||
                (format.BitsPerSample != 8 && format.BitsPerSample != 16))
                return std::nullopt;
            return format;
        }
        at = body + size + (size & 1);  // chunks are padded to an even size
    }
    return std::nullopt;
}
