// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "base/gfx/IconPicture.h"

TBitmap DrawIcon(const std::vector<const TBitmap*>& pictures, int size)
{
    const TBitmap* best = nullptr;
    int bestFactor = 0;
    for (const TBitmap* picture : pictures) {
        if (!picture || picture->Width() <= 0 || picture->Width() != picture->Height())
            continue;
        const int factor = size / picture->Width();
        const int filled = factor * picture->Width();
        const int bestFilled = best ? bestFactor * best->Width() : 0;
        if (factor > 0 && (filled > bestFilled || (filled == bestFilled && picture->Width() > best->Width()))) {
            best = picture;
            bestFactor = factor;
        }
    }
    if (!best)
        return TBitmap(0, 0);
    TBitmap icon(size, size, kTransparent);
    const int extent = bestFactor * best->Width();
    const int margin = (size - extent) / 2;
    for (int y = 0; y < extent; ++y)
        for (int x = 0; x < extent; ++x) {
            const TColour c = best->Pixel(x / bestFactor, y / bestFactor);
            icon.SetPixel(margin + x, margin + y, c == kBackgroundColour ? kTransparent : c);
        }
    return icon;
}
