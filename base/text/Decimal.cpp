// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "base/text/Decimal.h"

#include "base/text/Utf8.h"

#include <climits>

int DecimalValue(const char* text)
{
    if (!text)
        return 0;
    while (*text == ' ' || (*text >= '\t' && *text <= '\r'))
        ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    long long value = 0;
    const long long limit = negative ? -(long long)INT_MIN : INT_MAX;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        if (value >= limit) {
            value = limit;
            while (*text >= '0' && *text <= '9')
                ++text;
            break;
        }
    }
    return int(negative ? -value : value);
}

int TypedNumberValue(std::string_view typed)
{
    char field[kTypedNumberBytes + 1];
    CopyUtf8(typed, field, sizeof field);
    return DecimalValue(field);
}
