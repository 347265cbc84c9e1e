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

bool IsValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        // The length the lead byte announces, and the narrower range its first
        // continuation byte must lie in to rule out over-long forms, surrogates and
        // code points above U+10FFFF.
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0;
            else if (lead == 0xED)
                high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90;
            else if (lead == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (text.size() - i < length)
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            const unsigned char from = k == 1 ? low : 0x80;
            const unsigned char to = k == 1 ? high : 0xBF;
            if (next < from || next > to)
                return false;
        }
        i += length;
    }
    return true;
}
