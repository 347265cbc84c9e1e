// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// How much of a typed value a message shows, in characters.
inline constexpr std::size_t kQuotedCharacters = 100;

// A value the user typed, made safe to echo on one line of a message: in single quotes, cut
// after kQuotedCharacters characters with "..." before the closing quote, and with every
// character that could break or disguise the line written as an escape: control characters
// (\n, \t, \r, \xHH for the others and DEL, \uHHHH for U+0080 to U+009F), the line and
// paragraph separators and the direction overrides (\uHHHH), bytes that are not UTF-8
// (\xHH), and the backslash and the quote themselves (\\, \').
std::string Quoted(std::string_view text);
