// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "sim/FieldEscape.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FieldEscape, EscapesSeparatorsBackslashAndControlBytesOnly)
{
    EXPECT_EQ(EscapeField(std::string("a\\b\tc\nd\re\x01\x1F\x7F\0z", 14)), "a\\\\b\\tc\\nd\\re\\x01\\x1F\\x7F\\x00z");
    EXPECT_EQ(EscapeField("きんぎょ ~!\"'"), "きんぎょ ~!\"'");
    EXPECT_EQ(EscapeField(""), "");
}

TEST(FieldEscape, EveryByteComesBackAndNoneBreaksALine)
{
    for (int b = 0; b < 256; ++b) {
        const std::string text = {'<', char(b), '>'};
        const std::string field = EscapeField(text);
        for (unsigned char c : field)
            EXPECT_TRUE(c >= 0x20 && c != 0x7F) << "byte " << b;
        std::string back;
        std::string problem;
        ASSERT_TRUE(UnescapeField(field, back, problem)) << "byte " << b << ": " << problem;
        EXPECT_EQ(back, text) << "byte " << b;
    }
}

TEST(FieldEscape, HexDigitsMayBeLowerCase)
{
    std::string text;
    std::string problem;
    ASSERT_TRUE(UnescapeField("\\x1f\\x7F\\x41", text, problem)) << problem;
    EXPECT_EQ(text, "\x1F\x7F" "A");
}

TEST(FieldEscape, FaultsAreNamedAndLeaveTheTextAlone)
{
    const struct {
        std::string Field;
        std::string Says;
    } cases[] = {
        {"a\\", "a backslash ends the field"},
        {"\\q", "unknown escape \\q"},
        {"\\ ", "a backslash before byte 0x20"},
        {"\\\xE3\x81\x82", "a backslash before byte 0xE3"},
        {"\\x", "two hex digits"},
        {"\\x4", "two hex digits"},
        {"\\xG0", "two hex digits"},
        {"a\tb", "control byte 0x09 written raw"},
        {"a\rb", "control byte 0x0D written raw"},
        {"\x7F", "control byte 0x7F written raw"},
    };
    for (const auto& c : cases) {
        std::string text = "kept";
        std::string problem;
        EXPECT_FALSE(UnescapeField(c.Field, text, problem)) << c.Field;
        EXPECT_NE(problem.find(c.Says), std::string::npos) << c.Field << ": " << problem;
        EXPECT_EQ(text, "kept");
    }
}

}  // namespace
