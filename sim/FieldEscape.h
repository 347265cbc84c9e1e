// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

// Text as one field of a tab-separated line: a backslash, tab, line feed and carriage
// return become \\, \t, \n and \r, every other byte below 0x20 and 0x7F becomes \xHH
// (two upper-case hex digits); all other bytes, UTF-8 included, stay as they are.
std::string EscapeField(std::string_view text);

// Undoes EscapeField, also taking lower-case hex digits. On an unknown or cut escape, or
// a control byte written raw, returns false and says what is wrong in `problem`.
bool UnescapeField(std::string_view field, std::string& text, std::string& problem);
