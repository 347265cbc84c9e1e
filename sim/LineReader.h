// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>
#include <vector>

// A text read line by line by a parser whose every message names the line it concerns.
// Lines end with a line feed, optionally after a carriage return; a last line without its
// line feed means the text was cut off while being written.
class TLineReader {
public:
    explicit TLineReader(std::string_view text) : Rest_(text) {}

    // The first fault, as "line N: what is wrong"; empty while there is none.
    const std::string& Error() const { return Error_; }

protected:
    // A line, the end of the text, or a last line cut off before its line feed.
    enum class TNext { Line, End, Cut };
    // Moves to the next line, counting it even at the end of the text.
    TNext Next(std::string_view& line);
    // The next line, or a failure that says the text ends where `expected` should be.
    bool NextLine(std::string_view& line, std::string_view expected);
    // The number of the line last moved to, from 1.
    int LineNumber() const { return Line_; }

    // Records the fault at the current line; returns false to pass on.
    bool Fail(const std::string& problem);
    bool FailCut();
    // A whole number within [low, high], or a failure that names `what`.
    template <class T>
    bool Whole(std::string_view text, const std::string& what, long long low, long long high, T& value)
    {
        long long parsed = 0;
        if (!WholeNumber(text, what, low, high, parsed))
            return false;
        value = T(parsed);
        return true;
    }

private:
    std::string_view Rest_;
    int Line_ = 0;
    std::string Error_;

    bool WholeNumber(std::string_view text, const std::string& what, long long low, long long high, long long& value);
};

// A number from the text for a message: as it stands when it fits 64 bits, else quoted.
std::string ShownNumber(std::string_view text);
// "low to high".
std::string RangeText(long long low, long long high);

enum class TWhole { Ok, NotWhole, OutOfRange };
// An optional minus sign and decimal digits, nothing else, within [low, high]; value is
// set only for Ok.
TWhole ParseWhole(std::string_view text, long long low, long long high, long long& value);

// The parts of the text between separators: one more than there are separators.
std::vector<std::string_view> SplitAt(std::string_view text, char separator);
