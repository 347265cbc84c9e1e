// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

// What becomes of the text typed into the creature settings: the number fields are read
// from their first bytes, the family name is cut to its field, and each value the dialog
// writes back into its field reads back unchanged when OK is pressed again.

#include "base/text/Decimal.h"
#include "base/text/Utf8.h"
#include "creatures/Ikimono.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

void Require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "typed_text: %s\n", what);
        std::abort();
    }
}

// Whether text is well-formed UTF-8: no stray or missing continuation bytes, no overlong
// forms, no surrogates, nothing beyond U+10FFFF.
bool IsUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t length;
        std::uint32_t code;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
            code = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            code = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            code = b & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80)
                return false;
            code = code << 6 | (c & 0x3F);
        }
        if ((length == 3 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) ||
            (length == 4 && (code < 0x10000 || code > 0x10FFFF)))
            return false;
        i += length;
    }
    return true;
}

// The C library's reading of the same text, held to the 32-bit range.
int LibraryValue(const char* text)
{
    errno = 0;
    const long long value = std::strtoll(text, nullptr, 10);
    return value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : int(value);
}

void CheckNumber(const std::string& typed)
{
    Require(DecimalValue(typed.c_str()) == LibraryValue(typed.c_str()), "DecimalValue differs from strtoll");

    const int value = TypedNumberValue(typed);
    char cut[kTypedNumberBytes + 1];
    CopyUtf8(typed, cut, sizeof cut);
    Require(value == LibraryValue(cut), "TypedNumberValue differs from strtoll on the first bytes");

    // The dialog shows the value as a decimal; OK reads that text back.
    const std::string shown = std::to_string(value);
    Require(TypedNumberValue(shown) == value, "a number read from the dialog changes when shown and read again");
}

void CheckName(std::string_view typed)
{
    char name[TIKIMONO::kFamilyNameSize];
    std::memset(name, 'z', sizeof name);
    const std::size_t n = CopyUtf8(typed, name, sizeof name);
    Require(n < sizeof name && name[n] == '\0', "the name is not terminated inside its field");
    Require(std::memcmp(name, typed.data(), n) == 0, "the name is not a prefix of what was typed");
    if (IsUtf8(typed)) {
        Require(IsUtf8(std::string_view(name, n)), "the cut splits a character");
        // A cut of well-formed text keeps all but the part of one character.
        Require(n == typed.size() || n + 3 >= sizeof name - 1, "the cut drops more than one character");
    }

    // The dialog shows the name up to its terminator; OK writes it back unchanged.
    const std::string_view shown(name);
    char again[sizeof name];
    const std::size_t m = CopyUtf8(shown, again, sizeof again);
    Require(std::string_view(again, m) == shown, "the name changes when shown and written back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string typed(reinterpret_cast<const char*>(data), size);
    CheckNumber(typed);
    CheckName(typed);
    return 0;
}
