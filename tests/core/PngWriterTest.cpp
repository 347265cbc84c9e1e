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

TEST(PngWriter, WritesCheckedChunksOfRgbRows)
{
    TBitmap image(3, 2);
    image.SetPixel(0, 0, RGB(255, 0, 0));
    image.SetPixel(1, 0, RGB(0, 255, 0));
    image.SetPixel(2, 1, RGB(1, 2, 3));
    const std::vector<unsigned char> png = EncodePng(image);

    const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GT(png.size(), 8u);
    ASSERT_TRUE(std::equal(signature, signature + 8, png.begin()));

    std::vector<std::string> types;
    std::vector<unsigned char> header, compressed;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::uint32_t length = U32(png, at);
        ASSERT_LE(at + 12 + length, png.size());
        const std::string type(png.begin() + long(at + 4), png.begin() + long(at + 8));
        const std::uint32_t crc = std::uint32_t(crc32(0, png.data() + at + 4, uInt(length + 4)));
        EXPECT_EQ(U32(png, at + 8 + length), crc) << type;
        const auto data = png.begin() + long(at + 8);
        if (type == "IHDR")
            header.assign(data, data + length);
        if (type == "IDAT")
            compressed.insert(compressed.end(), data, data + length);
        types.push_back(type);
        at += 12 + length;
    }
    EXPECT_EQ(types.front(), "IHDR");
    EXPECT_EQ(types.back(), "IEND");
    ASSERT_EQ(header.size(), 13u);
    EXPECT_EQ(U32(header, 0), 3u);
    EXPECT_EQ(U32(header, 4), 2u);
    EXPECT_EQ(header[8], 8) << "bit depth";
    EXPECT_EQ(header[9], 2) << "RGB";

    std::vector<unsigned char> raw(2 * (1 + 3 * 3));
    uLongf size = uLongf(raw.size());
    ASSERT_EQ(uncompress(raw.data(), &size, compressed.data(), uLong(compressed.size())), Z_OK);
    ASSERT_EQ(size, raw.size());
    const std::vector<unsigned char> expected = {0, 255, 0, 0, 0, 255, 0, 0, 255, 255,
                                                 0, 0,   255, 255, 0, 255, 255, 1, 2, 3};
    EXPECT_EQ(raw, expected);
}

TEST(PngWriter, EmptyBitmapGivesNothing)
{
    EXPECT_TRUE(EncodePng(TBitmap(0, 5)).empty());
}

}  // namespace
