// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A picture written as text, one character a pixel, the form in which the art is kept
// for review. Lines starting with '#' and blank lines are passed over; a first line
// "hotspot X Y" gives a cursor's hot spot.
struct TPixelMap {
    int Width = 0;
    int Height = 0;
    int HotX = 0;
    int HotY = 0;
    std::vector<std::uint8_t> Indexes;  // row by row from the top
};

// `alphabet` maps characters to indexes: the character at position i stands for index i.
// On failure returns false and says why in `error`.
bool ParsePixelMap(std::string_view text, std::string_view alphabet, TPixelMap& out, std::string& error);

// Sprites and the icon: '0'-'9', 'A'-'F' are palette indexes; '.' is the background (14).
bool ParseColourMap(std::string_view text, TPixelMap& out, std::string& error);

// Cursors: '.' transparent (0), 'X' black (1), 'w' white (2).
inline constexpr std::string_view kCursorAlphabet = ".Xw";
