// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "sim/SpriteSet.h"

#include "sim/Tank.h"

#include <string>

static_assert(kSpriteNames.size() == TTank::kSpriteCount);

void LoadBitmaps(TTank& tank)
{
    tank.BlankBitmap = LoadBitmapA(std::string(kBlankBitmapName).c_str());
    for (std::size_t i = 0; i < kSpriteNames.size(); ++i)
        tank.SpriteBitmaps[i] = LoadBitmapA(std::string(kSpriteNames[i]).c_str());
}

void DeleteBitmaps(TTank& tank)
{
    DeleteObject(tank.BlankBitmap);
    tank.BlankBitmap = nullptr;
    for (HBITMAP& bitmap : tank.SpriteBitmaps) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
}
