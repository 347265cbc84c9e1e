// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "sim/Catalogue.h"
#include "sim/SpriteSet.h"
#include "sim/Tank.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// The embedded art: every frame exactly its species' size, the blank all water.
TEST(SpriteSet, LoadsEveryBitmapAtItsSpeciesSize)
{
    TTank tank;
    LoadBitmaps(tank);
    ASSERT_NE(tank.BlankBitmap, nullptr);
    EXPECT_EQ(tank.BlankBitmap->Width(), 64);
    EXPECT_EQ(tank.BlankBitmap->Height(), 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(tank.BlankBitmap->Pixel(x, y), kBackgroundColour);

    std::set<int> used;
    for (int n = 1; n <= kSpeciesCount; ++n) {
        const TSpeciesEntry& e = *FindSpecies(n);
        for (int f = 0; f < e.FrameCount; ++f) {
            used.insert(e.Frames[std::size_t(f)]);
            const HBITMAP b = tank.SpriteBitmaps[std::size_t(e.Frames[std::size_t(f)])];
            ASSERT_NE(b, nullptr) << kSpriteNames[std::size_t(e.Frames[std::size_t(f)])];
            EXPECT_EQ(b->Width(), e.Width) << kSpriteNames[std::size_t(e.Frames[std::size_t(f)])];
            EXPECT_EQ(b->Height(), e.Height) << kSpriteNames[std::size_t(e.Frames[std::size_t(f)])];
        }
    }
    EXPECT_EQ(used.size(), std::size_t(TTank::kSpriteCount)) << "each sprite is some species' frame";

    DeleteBitmaps(tank);
    EXPECT_EQ(tank.BlankBitmap, nullptr);
    for (HBITMAP b : tank.SpriteBitmaps)
        EXPECT_EQ(b, nullptr);
}

TEST(SpriteSet, FixedOrderHasHirameTwoFirst)
{
    EXPECT_EQ(SpriteIndex("GYOPI1"), 0);
    EXPECT_EQ(SpriteIndex("HIRAME2"), 10);
    EXPECT_EQ(SpriteIndex("HIRAME1"), 11);
    EXPECT_EQ(SpriteIndex("KABUTO3"), 42);
    EXPECT_EQ(SpriteIndex("BLANC"), -1);
}

}  // namespace
