// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <string_view>

// Copies text into a fixed byte field: at most size - 1 bytes, cut before a character that
// would not fit whole, then terminated. Returns the bytes copied (without the terminator).
std::size_t CopyUtf8(std::string_view text, char* field, std::size_t size);

// The longest prefix of at most maxBytes bytes that ends on a character boundary.
std::size_t Utf8PrefixLength(std::string_view text, std::size_t maxBytes);

// True when the text is well-formed UTF-8: no stray or missing continuation byte, no
// over-long form, no surrogate, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);

// Reads the character at the start of text: returns its length in bytes and puts its code point
// in codePoint, or returns 0 when the bytes there are no well-formed character (a stray or
// missing continuation byte, an overlong form, a surrogate, past U+10FFFF) or text is empty.
std::size_t DecodeUtf8(std::string_view text, char32_t& codePoint);
