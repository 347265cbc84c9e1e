// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "TestTank.h"

#include "sim/Catalogue.h"

TTestTank::TTestTank(int width, int height, int capacity, std::uint32_t seed)
    : Window(Tank, width, height)
{
    Tank.ScreenWidth = width;
    Tank.ScreenHeight = height;
    Tank.TankCapacity = capacity;
    for (int i = 0; i < TTank::kSpriteCount; ++i) {
        Sprites[std::size_t(i)] = std::make_unique<TBitmap>(32, 32, SpriteColour(i));
        Tank.SpriteBitmaps[std::size_t(i)] = Sprites[std::size_t(i)].get();
    }
    Blank = std::make_unique<TBitmap>(64, 64, kBackgroundColour);
    Tank.BlankBitmap = Blank.get();
    Tank.Random.srand(seed);
}

TTestTank::~TTestTank()
{
    EndDrawing();
    Tank.Close();
}

TIKIMONO& TTestTank::Put(int slot, int species, TIKIMONO* parent)
{
    auto& place = Tank.TankTable[std::size_t(slot)];
    place = CreateCreature(species, &Window, parent);
    return *place;
}

bool TTestTank::Filled(const TRect& area, TColour colour)
{
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            if (At(x, y) != colour)
                return false;
    return true;
}
