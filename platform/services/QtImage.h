// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "base/gfx/Bitmap.h"

#include <QImage>

// A copy of a bitmap as a Qt image, alpha included.
inline QImage ToQImage(const TBitmap& bitmap)
{
    QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_ARGB32);
    for (int y = 0; y < bitmap.Height(); ++y)
        std::copy(bitmap.Row(y), bitmap.Row(y) + bitmap.Width(), reinterpret_cast<TColour*>(image.scanLine(y)));
    return image;
}

// The bitmap's pixels seen as a Qt image without copying; valid while the bitmap is unchanged.
inline QImage ViewAsQImage(const TBitmap& bitmap)
{
    return QImage(reinterpret_cast<const uchar*>(bitmap.Row(0)), bitmap.Width(), bitmap.Height(),
                  qsizetype(bitmap.Width()) * 4, QImage::Format_RGB32);
}
