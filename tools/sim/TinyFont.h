// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "base/gfx/Bitmap.h"

#include <string_view>

// A tiny built-in bitmap font for labels: 5 x 7 glyphs of the capital letters, the digits,
// 'x' and space, each pixel drawn as a scale x scale square. Other characters show blank.
inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;
inline constexpr int kGlyphAdvance = 6;

// Width in pixels of a text at a scale, without the gap after its last glyph.
int TextWidth(std::string_view text, int scale);
// Draws the text with its top-left corner at (x, y), clipped to the bitmap.
void DrawText(TBitmap& target, int x, int y, std::string_view text, int scale, TColour colour);
