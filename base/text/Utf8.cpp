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
