// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Writes the bytes to a temporary file beside `path` and renames it onto `path`, so that a
// failed write leaves whatever file was there before intact. On failure returns false with
// the reason, in one line, in `error`.
bool WriteFileSafely(const std::string& path, std::string_view bytes, std::string& error);

// Reads a whole ordinary file of at most maxBytes. A folder, a pipe or a device is refused
// before it is opened, so that reading never waits for a writer; so is a larger file, so
// that a wrong choice cannot take all memory. On failure returns false with the reason, in
// one line, in `error`.
bool ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string& text, std::string& error);
