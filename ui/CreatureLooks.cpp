// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "ui/CreatureLooks.h"

#include "platform/services/QtImage.h"
#include "sim/Catalogue.h"
#include "sim/Tank.h"

#include <QBitmap>
#include <QCoreApplication>

#include <string>
#include <cmath>

QString SpeciesName(int number)
{
    const TSpeciesEntry* entry = FindSpecies(number);
    if (!entry)
        return {};
    // The catalogue's family names are the source texts of the "Species" context; the
    // names stored in creatures are data and stay as they are.
    return QCoreApplication::translate("Species", std::string(entry->FamilyName).c_str());
}

QColor SpeciesColour(int number)
{
    // Hues a golden angle apart, so neighbouring bands of the stacked graph differ clearly.
    const int hue = int(std::lround((number - 1) * 137.508)) % 360;
    return QColor::fromHsv(hue, number % 2 ? 170 : 230, number % 3 ? 225 : 170);
}

QPixmap SpeciesPicture(const TTank& tank, int number)
{
    const TSpeciesEntry* entry = FindSpecies(number);
    const TBitmap* bitmap = entry ? tank.SpriteBitmaps[std::size_t(entry->Frames[0])] : nullptr;
    if (!bitmap)
        return {};
    QPixmap picture = QPixmap::fromImage(ToQImage(*bitmap));
    picture.setMask(picture.createMaskFromColor(QColor(0, 255, 255)));
    return picture;
}
