// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "base/gfx/PngWriter.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <string>

namespace {

std::uint32_t U32(const std::vector<unsigned char>& b, std::size_t at)
{
    return std::uint32_t(b[at]) << 24 | std::uint32_t(b[at + 1]) << 16 | std::uint32_t(b[at + 2]) << 8 | b[at + 3];
}

struct TDecoded {
    std::vector<std::string> Types;
    std::vector<unsigned char> Header;
    std::vector<unsigned char> Rows;  // inflated, each row led by its filter byte
};

// Walks the chunks, checking each CRC, and inflates the image data.
TDecoded Decode(const std::vector<unsigned char>& png, std::size_t rowsSize)
{
    TDecoded out;
    const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_GT(png.size(), 8u);
    EXPECT_TRUE(png.size() > 8 && std::equal(signature, signature + 8, png.begin()));
    std::vector<unsigned char> compressed;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::uint32_t length = U32(png, at);
        if (at + 12 + length > png.size()) {
            ADD_FAILURE() << "chunk runs past the end";
            break;
        }
        const std::string type(png.begin() + long(at + 4), png.begin() + long(at + 8));
        const std::uint32_t crc = std::uint32_t(crc32(0, png.data() + at + 4, uInt(length + 4)));
        EXPECT_EQ(U32(png, at + 8 + length), crc) << type;
        const auto data = png.begin() + long(at + 8);
        if (type == "IHDR")
            out.Header.assign(data, data + length);
        if (type == "IDAT")
            compressed.insert(compressed.end(), data, data + length);
        out.Types.push_back(type);
        at += 12 + length;
    }
    out.Rows.resize(rowsSize);
    uLongf size = uLongf(rowsSize);
    EXPECT_EQ(uncompress(out.Rows.data(), &size, compressed.data(), uLong(compressed.size())), Z_OK);
    EXPECT_EQ(size, rowsSize);
    return out;
}

TEST(PngWriter, WritesCheckedChunksOfRgbRows)
{
    TBitmap image(3, 2);
    image.SetPixel(0, 0, RGB(255, 0, 0));
    image.SetPixel(1, 0, RGB(0, 255, 0));
    image.SetPixel(2, 1, RGB(1, 2, 3));
    const TDecoded png = Decode(EncodePng(image), 2 * (1 + 3 * 3));
    ASSERT_FALSE(png.Types.empty());
    EXPECT_EQ(png.Types.front(), "IHDR");
    EXPECT_EQ(png.Types.back(), "IEND");
    ASSERT_EQ(png.Header.size(), 13u);
    EXPECT_EQ(U32(png.Header, 0), 3u);
    EXPECT_EQ(U32(png.Header, 4), 2u);
    EXPECT_EQ(png.Header[8], 8) << "bit depth";
    EXPECT_EQ(png.Header[9], 2) << "RGB";
    const std::vector<unsigned char> expected = {0, 255, 0, 0, 0, 255, 0, 0, 255, 255,
                                                 0, 0,   255, 255, 0, 255, 255, 1, 2, 3};
    EXPECT_EQ(png.Rows, expected);
}

TEST(PngWriter, KeepsAlphaWhenAsked)
{
    TBitmap image(2, 1);
    image.SetPixel(0, 0, 0x00000000u);
    image.SetPixel(1, 0, RGB(10, 20, 30));
    const TDecoded png = Decode(EncodePng(image, true), 1 + 2 * 4);
    ASSERT_EQ(png.Header.size(), 13u);
    EXPECT_EQ(png.Header[9], 6) << "RGBA";
    EXPECT_EQ(png.Rows, (std::vector<unsigned char>{0, 0, 0, 0, 0, 10, 20, 30, 255}));
}

TEST(PngWriter, EmptyBitmapGivesNothing)
{
    EXPECT_TRUE(EncodePng(TBitmap(0, 5)).empty());
}

}  // namespace
