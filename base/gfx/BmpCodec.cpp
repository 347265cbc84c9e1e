// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "base/gfx/BmpCodec.h"

#include "base/gfx/Palette.h"

namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;

std::uint32_t Read32(std::span<const unsigned char> d, std::size_t at)
{
    return std::uint32_t(d[at]) | std::uint32_t(d[at + 1]) << 8 | std::uint32_t(d[at + 2]) << 16 |
           std::uint32_t(d[at + 3]) << 24;
}

std::uint16_t Read16(std::span<const unsigned char> d, std::size_t at)
{
    return std::uint16_t(d[at] | d[at + 1] << 8);
}

void Put32(std::vector<unsigned char>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

void Put16(std::vector<unsigned char>& out, std::uint16_t v)
{
    out.push_back(static_cast<unsigned char>(v));
    out.push_back(static_cast<unsigned char>(v >> 8));
}

std::size_t RowBytes(int width, int bits)
{
    return ((std::size_t(width) * std::size_t(bits) + 31) / 32) * 4;
}

}  // namespace

std::optional<TBmpInfo> ReadBmpInfo(std::span<const unsigned char> file)
{
    if (file.size() < kFileHeader + kInfoHeader || file[0] != 'B' || file[1] != 'M' ||
        Read32(file, kFileHeader) < kInfoHeader)
        return std::nullopt;
    TBmpInfo info;
    info.Width = int(Read32(file, 18));
    info.Height = int(Read32(file, 22));
    info.BitsPerPixel = Read16(file, 28);
    info.Compression = int(Read32(file, 30));
    info.PaletteSize = int(Read32(file, 46));
    if (info.PaletteSize == 0 && info.BitsPerPixel <= 8)
        info.PaletteSize = 1 << info.BitsPerPixel;
    return info;
}

std::unique_ptr<TBitmap> DecodeBmp(std::span<const unsigned char> file)
{
    const auto info = ReadBmpInfo(file);
    if (!info || info->Compression != 0 || info->Width <= 0 || info->Width > 16384 || info->Height == 0 ||
        info->Height > 16384 || info->Height < -16384)
        return nullptr;
    const int bits = info->BitsPerPixel;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return nullptr;
    const bool bottomUp = info->Height > 0;
    const int height = bottomUp ? info->Height : -info->Height;
    const std::size_t paletteAt = kFileHeader + Read32(file, kFileHeader);
    const std::size_t pixelsAt = Read32(file, 10);
    const std::size_t stride = RowBytes(info->Width, bits);
    if (bits <= 8 && (info->PaletteSize > 256 || paletteAt + std::size_t(info->PaletteSize) * 4 > file.size()))
        return nullptr;
    if (pixelsAt > file.size() || (file.size() - pixelsAt) / stride < std::size_t(height))
        return nullptr;

    auto bitmap = std::make_unique<TBitmap>(info->Width, height);
    for (int y = 0; y < height; ++y) {
        const std::size_t row = pixelsAt + stride * std::size_t(bottomUp ? height - 1 - y : y);
        for (int x = 0; x < info->Width; ++x) {
            if (bits >= 24) {
                const std::size_t at = row + std::size_t(x) * std::size_t(bits / 8);
                bitmap->SetPixel(x, y, RGB(file[at + 2], file[at + 1], file[at]));
                continue;
            }
            const std::size_t bit = std::size_t(x) * std::size_t(bits);
            const int shift = 8 - bits - int(bit % 8);
            const int index = (file[row + bit / 8] >> shift) & ((1 << bits) - 1);
            if (index >= info->PaletteSize)
                return nullptr;
            const std::size_t at = paletteAt + std::size_t(index) * 4;
            bitmap->SetPixel(x, y, RGB(file[at + 2], file[at + 1], file[at]));
        }
    }
    return bitmap;
}

std::vector<unsigned char> EncodeBmp4(int width, int height, std::span<const std::uint8_t> indexes)
{
    const std::size_t stride = RowBytes(width, 4);
    const std::size_t pixelsAt = kFileHeader + kInfoHeader + 16 * 4;
    std::vector<unsigned char> out;
    out.reserve(pixelsAt + stride * std::size_t(height));
    out.push_back('B');
    out.push_back('M');
    Put32(out, std::uint32_t(pixelsAt + stride * std::size_t(height)));
    Put32(out, 0);
    Put32(out, std::uint32_t(pixelsAt));
    Put32(out, kInfoHeader);
    Put32(out, std::uint32_t(width));
    Put32(out, std::uint32_t(height));
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, 0);  // BI_RGB: uncompressed
    Put32(out, std::uint32_t(stride * std::size_t(height)));
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 16);
    Put32(out, 16);
    for (TColour c : kClassicPalette) {
        out.push_back(static_cast<unsigned char>(c));
        out.push_back(static_cast<unsigned char>(c >> 8));
        out.push_back(static_cast<unsigned char>(c >> 16));
        out.push_back(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        std::vector<unsigned char> row(stride, 0);
        for (int x = 0; x < width; ++x) {
            const unsigned char index = indexes[std::size_t(y) * std::size_t(width) + std::size_t(x)] & 15;
            row[std::size_t(x) / 2] |= static_cast<unsigned char>(x % 2 ? index : index << 4);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}
