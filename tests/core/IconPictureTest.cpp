// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "base/gfx/IconPicture.h"

#include <gtest/gtest.h>

namespace {

// A square picture whose pixels all differ, framed by the tank's water.
TBitmap Picture(int side)
{
    TBitmap p(side, side);
    for (int y = 1; y < side - 1; ++y)
        for (int x = 1; x < side - 1; ++x)
            p.SetPixel(x, y, RGB(x, y, side));
    return p;
}

TEST(IconPicture, EachSizeTakesThePictureThatFillsMostByAWholeFactor)
{
    const TBitmap small = Picture(16), large = Picture(32);
    const struct {
        int Size;
        const TBitmap* Source;
        int Factor;
    } cases[] = {{16, &small, 1}, {24, &small, 1}, {32, &large, 1}, {48, &small, 3},
                 {64, &large, 2}, {128, &large, 4}, {256, &large, 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Size);
        const TBitmap icon = DrawIcon({&large, &small}, c.Size);
        ASSERT_EQ(icon.Width(), c.Size);
        ASSERT_EQ(icon.Height(), c.Size);
        const int margin = (c.Size - c.Factor * c.Source->Width()) / 2;
        for (int y = 0; y < c.Size; ++y)
            for (int x = 0; x < c.Size; ++x) {
                const int sx = (x - margin) / c.Factor, sy = (y - margin) / c.Factor;
                const bool inside = x >= margin && y >= margin && sx < c.Source->Width() && sy < c.Source->Height();
                const TColour source = inside ? c.Source->Pixel(sx, sy) : kBackgroundColour;
                ASSERT_EQ(icon.Pixel(x, y), source == kBackgroundColour ? kTransparent : source) << x << "," << y;
            }
    }
}

TEST(IconPicture, NothingWhenNoPictureFits)
{
    const TBitmap large = Picture(32);
    EXPECT_EQ(DrawIcon({&large}, 16).Width(), 0);
    EXPECT_EQ(DrawIcon({}, 16).Width(), 0);
}

}  // namespace
