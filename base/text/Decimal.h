// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <string_view>

// The decimal value at the start of a text: leading white space skipped, an optional
// sign, then digits up to the first other character; no digits give 0. A value beyond
// the 32-bit range stops at the nearer limit.
int DecimalValue(const char* text);

// A number typed into a field of the creature settings is read from its first
// kTypedNumberBytes bytes only, cut before a character that would not fit whole.
inline constexpr std::size_t kTypedNumberBytes = 10;
int TypedNumberValue(std::string_view typed);
