// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "base/text/Quoted.h"

#include "base/text/Utf8.h"

#include <cstdio>

namespace {

// Characters that end a line or reorder what follows it on a terminal.
bool Disguises(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

void PutEscape(std::string& out, char32_t c, bool rawByte)
{
    switch (c) {
    case '\n':
        out += "\\n";
        return;
    case '\t':
        out += "\\t";
        return;
    case '\r':
        out += "\\r";
        return;
    default:
        break;
    }
    char code[16];
    if (rawByte || c < 0x80)
        std::snprintf(code, sizeof code, "\\x%02X", unsigned(c));
    else
        std::snprintf(code, sizeof code, "\\u%04X", unsigned(c));
    out += code;
}

}  // namespace

std::string Quoted(std::string_view text)
{
    std::string out = "'";
    std::size_t characters = 0;
    while (!text.empty() && characters < kQuotedCharacters) {
        char32_t c = 0;
        const std::size_t length = DecodeUtf8(text, c);
        if (length == 0)
            PutEscape(out, static_cast<unsigned char>(text[0]), true);
        else if (Disguises(c))
            PutEscape(out, c, false);
        else if (c == '\\' || c == '\'')
            (out += '\\') += char(c);
        else
            out += text.substr(0, length);
        text.remove_prefix(length == 0 ? 1 : length);
        ++characters;
    }
    if (!text.empty())
        out += "...";
    return out += '\'';
}
