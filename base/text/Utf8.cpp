// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "base/text/Utf8.h"

#include <cstring>

std::size_t Utf8PrefixLength(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text.size();
    std::size_t cut = maxBytes;
    // Step back over continuation bytes (10xxxxxx) to the start of the cut character.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return cut;
}

std::size_t CopyUtf8(std::string_view text, char* field, std::size_t size)
{
    if (!field || size == 0)
        return 0;
    const std::size_t n = Utf8PrefixLength(text, size - 1);
    std::memcpy(field, text.data(), n);
    field[n] = '\0';
    return n;
}

std::size_t DecodeUtf8(std::string_view text, char32_t& codePoint)
{
    if (text.empty())
        return 0;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length;
    char32_t value;
    char32_t smallest;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, smallest = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (byte(i) & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    codePoint = value;
    return length;
}

bool IsValidUtf8(std::string_view text)
{
    while (!text.empty()) {
        char32_t codePoint = 0;
        const std::size_t length = DecodeUtf8(text, codePoint);
        if (length == 0)
            return false;
        text.remove_prefix(length);
    }
    return true;
}
