// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "base/gfx/Bitmap.h"

#include <vector>

// Encodes a bitmap as a PNG image: 8-bit RGB, or RGBA with the colours' alpha when asked,
// deflate-compressed. Empty on failure.
std::vector<unsigned char> EncodePng(const TBitmap& bitmap, bool withAlpha = false);
