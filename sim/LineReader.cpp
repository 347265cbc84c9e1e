// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "sim/LineReader.h"

#include "base/text/Quoted.h"

#include <charconv>
#include <climits>

TLineReader::TNext TLineReader::Next(std::string_view& line)
{
    ++Line_;
    if (Rest_.empty())
        return TNext::End;
    const auto end = Rest_.find('\n');
    if (end == std::string_view::npos) {
        line = Rest_;
        Rest_ = {};
        return TNext::Cut;
    }
    line = Rest_.substr(0, end);
    Rest_.remove_prefix(end + 1);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return TNext::Line;
}

bool TLineReader::NextLine(std::string_view& line, std::string_view expected)
{
    switch (Next(line)) {
    case TNext::Line:
        return true;
    case TNext::End:
        return Fail("the file ends where " + std::string(expected) + " should be; it is truncated");
    case TNext::Cut:
        break;
    }
    return FailCut();
}

bool TLineReader::Fail(const std::string& problem)
{
    Error_ = "line " + std::to_string(Line_) + ": " + problem;
    return false;
}

bool TLineReader::FailCut()
{
    return Fail("the file ends inside this line; it is truncated");
}

bool TLineReader::WholeNumber(std::string_view text, const std::string& what, long long low, long long high,
                              long long& value)
{
    switch (ParseWhole(text, low, high, value)) {
    case TWhole::Ok:
        return true;
    case TWhole::NotWhole:
        return Fail(what + ": " + Quoted(text) + " is not a whole number");
    case TWhole::OutOfRange:
        break;
    }
    return Fail(what + ": " + ShownNumber(text) + " is outside " + RangeText(low, high));
}

std::string ShownNumber(std::string_view text)
{
    long long value = 0;
    if (ParseWhole(text, LLONG_MIN, LLONG_MAX, value) == TWhole::Ok)
        return std::to_string(value);
    return Quoted(text);
}

std::string RangeText(long long low, long long high)
{
    return std::to_string(low) + " to " + std::to_string(high);
}

TWhole ParseWhole(std::string_view text, long long low, long long high, long long& value)
{
    const std::string_view digits = text.substr(!text.empty() && text[0] == '-' ? 1 : 0);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return TWhole::NotWhole;
    long long parsed = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), parsed).ec != std::errc() || parsed < low ||
        parsed > high)
        return TWhole::OutOfRange;
    value = parsed;
    return TWhole::Ok;
}

std::vector<std::string_view> SplitAt(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (;;) {
        const auto end = text.find(separator);
        parts.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            return parts;
        text.remove_prefix(end + 1);
    }
}
