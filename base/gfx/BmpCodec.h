// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "base/gfx/Bitmap.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

// Windows bitmap files: the form in which sprites, the blank bitmap and the icon are embedded.
struct TBmpInfo {
    int Width = 0;
    int Height = 0;
    int BitsPerPixel = 0;
    int Compression = 0;
    int PaletteSize = 0;
};

std::optional<TBmpInfo> ReadBmpInfo(std::span<const unsigned char> file);

// Decodes an uncompressed 1, 4, 8, 24 or 32 bit bitmap; null when the data is not one.
std::unique_ptr<TBitmap> DecodeBmp(std::span<const unsigned char> file);

// Encodes palette indexes (row by row from the top) as an uncompressed 4-bit bitmap
// with the classic palette.
std::vector<unsigned char> EncodeBmp4(int width, int height, std::span<const std::uint8_t> indexes);
