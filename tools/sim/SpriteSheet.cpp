// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "tools/sim/SpriteSheet.h"

#include "base/gfx/DeviceContext.h"
#include "sim/SpriteSet.h"
#include "sim/Tank.h"
#include "tools/sim/TinyFont.h"

#include <string>

namespace {

constexpr int kZoom = 4;
constexpr int kLabelScale = 2;
constexpr int kColumns = 8;
constexpr int kMargin = 16;
constexpr int kLargestSprite = 32;
constexpr int kCellWidth = 15 * kGlyphAdvance * kLabelScale + kMargin;  // room for "CHOUCHOU1 20x16"
constexpr int kCellHeight = kGlyphHeight * kLabelScale + 8 + kLargestSprite * kZoom + kMargin;
constexpr TColour kInk = RGB(0, 0, 0);
constexpr TColour kFrame = RGB(128, 128, 128);

void DrawFrame(TBitmap& sheet, const TRect& inside)
{
    sheet.Fill({inside.Left - 1, inside.Top - 1, inside.Right + 1, inside.Top}, kFrame);
    sheet.Fill({inside.Left - 1, inside.Bottom, inside.Right + 1, inside.Bottom + 1}, kFrame);
    sheet.Fill({inside.Left - 1, inside.Top, inside.Left, inside.Bottom}, kFrame);
    sheet.Fill({inside.Right, inside.Top, inside.Right + 1, inside.Bottom}, kFrame);
}

}  // namespace

TBitmap ComposeSpriteSheet(const TTank& tank)
{
    const int count = int(kSpriteNames.size());
    const int rows = (count + kColumns - 1) / kColumns;
    TBitmap sheet(kMargin + kColumns * kCellWidth, kMargin + rows * kCellHeight);

    HDC target = CreateCompatibleDC(nullptr);
    HDC source = CreateCompatibleDC(nullptr);
    SelectObject(target, &sheet);
    for (int i = 0; i < count; ++i) {
        const int left = kMargin + (i % kColumns) * kCellWidth;
        const int top = kMargin + (i / kColumns) * kCellHeight;
        HBITMAP sprite = tank.SpriteBitmaps[std::size_t(i)];
        std::string label(kSpriteNames[std::size_t(i)]);
        if (sprite)
            label += ' ' + std::to_string(sprite->Width()) + 'x' + std::to_string(sprite->Height());
        else
            label += " MISSING";
        DrawText(sheet, left, top, label, kLabelScale, kInk);
        if (!sprite)
            continue;

        const int imageTop = top + kGlyphHeight * kLabelScale + 8;
        const TRect image{left, imageTop, left + sprite->Width() * kZoom, imageTop + sprite->Height() * kZoom};
        SelectObject(source, sprite);
        StretchBlt(target, image.Left, image.Top, image.Width(), image.Height(), source, 0, 0, sprite->Width(),
                   sprite->Height(), SRCCOPY);
        DrawFrame(sheet, image);
    }
    DeleteDC(source);
    DeleteDC(target);
    return sheet;
}
