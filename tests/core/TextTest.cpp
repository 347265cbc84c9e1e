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
