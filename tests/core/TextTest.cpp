// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "base/text/Decimal.h"
#include "base/text/Utf8.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(DecimalValue, ReadsLikeTheCLibraryButSaturates)
{
    const struct {
        const char* Text;
        int Value;
    } cases[] = {
        {"0", 0},           {"120abc", 120},           {" \t75", 75},
        {"+60", 60},        {"-42", -42},              {"", 0},
        {"abc", 0},         {"- 5", 0},                {"2147483647", 2147483647},
        {"2147483648", 2147483647},                    {"99999999999999999999", 2147483647},
        {"-2147483648", -2147483647 - 1},              {"-2147483649", -2147483647 - 1},
        {"-99999999999999999999", -2147483647 - 1},    {"0000000000000000000000012", 12},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecimalValue(c.Text), c.Value) << '"' << c.Text << '"';
    EXPECT_EQ(DecimalValue(nullptr), 0);
}

TEST(TypedNumberValue, ReadsOnlyTheFirstTenBytesOfWholeCharacters)
{
    const struct {
        std::string Typed;
        int Value;
    } cases[] = {
        {"123456789012", 1234567890},
        {"9999999999", 2147483647},
        {"-99999999999", -999999999},
        {"00000000001234", 0},
        // The cut falls inside "あ" (bytes 10 to 12): the whole character goes.
        {"123456789あ", 123456789},
        {"1234567あ9", 1234567},
        {std::string("12\0" "345", 6), 12},
        {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TypedNumberValue(c.Typed), c.Value) << '"' << c.Typed << '"';
}

TEST(CopyUtf8, NeverSplitsACharacterAndAlwaysTerminates)
{
    const struct {
        std::string Text;
        std::size_t Size;
        std::string Kept;
    } cases[] = {
        {"abc", 4, "abc"},     {"abcd", 4, "abc"},   {"きんぎょ", 40, "きんぎょ"},
        {"きんぎょ", 7, "きん"}, {"きんぎょ", 6, "き"}, {"aき", 3, "a"},
        {"", 1, ""},           {"x", 1, ""},
    };
    for (const auto& c : cases) {
        char field[64];
        std::memset(field, 'z', sizeof field);
        const std::size_t n = CopyUtf8(c.Text, field, c.Size);
        EXPECT_EQ(std::string(field), c.Kept) << c.Text << " into " << c.Size;
        EXPECT_EQ(n, c.Kept.size());
    }
}

TEST(IsValidUtf8, AcceptsWellFormedTextOnly)
{
    const struct {
        std::string Text;
        bool Valid;
    } cases[] = {
        {"", true},
        {"plain ascii\t\n", true},
        {"きんぎょ", true},
        {"\xC2\x80", true},                  // U+0080, the first two-byte character
        {"\xEF\xBF\xBF", true},              // U+FFFF
        {"\xF0\x90\x80\x80", true},          // U+10000
        {"\xF4\x8F\xBF\xBF", true},          // U+10FFFF, the last one
        {"\x80", false},                     // a continuation byte alone
        {"\xC0\xAF", false},                 // over-long '/'
        {"\xC1\xBF", false},                 // over-long
        {"\xE0\x9F\xBF", false},             // over-long three-byte form
        {"\xED\xA0\x80", false},             // a surrogate, U+D800
        {"\xF0\x8F\xBF\xBF", false},         // over-long four-byte form
        {"\xF4\x90\x80\x80", false},         // above U+10FFFF
        {"\xF5\x80\x80\x80", false},         // lead byte never used
        {"\xFF", false},
        {"\xE3\x81", false},                 // cut short at the end
        {"\xE3\x81" "a", false},             // cut short by a plain byte
        {"a\xE3\x81\x8D\xE3", false},        // good character, then a cut one
        {std::string("\0a", 2), true},       // a zero byte is a character like any other
    };
    for (const auto& c : cases) {
        std::string shown;
        for (unsigned char b : c.Text)
            shown += std::to_string(b) + ' ';
        EXPECT_EQ(IsValidUtf8(c.Text), c.Valid) << shown;
    }
}

TEST(DecodeUtf8, ReadsOneWellFormedCharacter)
{
    const struct {
        std::string Text;
        std::size_t Length;  // 0: not a character
        char32_t CodePoint;
    } cases[] = {
        {"A", 1, U'A'},
        {std::string(1, '\0'), 1, 0},
        {"\x7f", 1, 0x7F},
        {"é!", 2, 0xE9},
        {"き", 3, 0x304D},
        {"\xf0\x9f\x90\x9f", 4, 0x1F41F},
        {"\xf4\x8f\xbf\xbf", 4, 0x10FFFF},
        {"", 0, 0},
        {"\x80", 0, 0},               // a continuation byte alone
        {"\xc3", 0, 0},               // cut short
        {"\xe3\x81", 0, 0},           // cut short
        {"\xc3(", 0, 0},              // not followed by a continuation byte
        {"\xc0\xaf", 0, 0},           // overlong '/'
        {"\xe0\x80\xaf", 0, 0},       // overlong '/'
        {"\xed\xa0\x80", 0, 0},       // a surrogate
        {"\xf4\x90\x80\x80", 0, 0},   // past U+10FFFF
        {"\xf8\x88\x80\x80\x80", 0, 0},
        {"\xff", 0, 0},
    };
    for (const auto& c : cases) {
        char32_t codePoint = 0xFFFFFFFF;
        EXPECT_EQ(DecodeUtf8(c.Text, codePoint), c.Length) << c.Text;
        if (c.Length != 0) {
            EXPECT_EQ(codePoint, c.CodePoint) << c.Text;
        }
    }
}
