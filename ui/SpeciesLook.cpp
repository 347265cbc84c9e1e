#include "ui/SpeciesLook.h"

#include "platform/services/QtImage.h"
#include "sim/Catalogue.h"
#include "sim/Tank.h"

#include <QBitmap>
#include <QCoreApplication>

#include <array>
#include <cmath>

namespace {

constexpr std::array<const char*, kSpeciesCount> kNames = {
    QT_TRANSLATE_NOOP("Tolvenn", "Goldfish"),     QT_TRANSLATE_NOOP("Tolvenn", "Seahorse"),
    QT_TRANSLATE_NOOP("Tolvenn", "Crocodile fish"), QT_TRANSLATE_NOOP("Tolvenn", "Squid"),
    QT_TRANSLATE_NOOP("Tolvenn", "Submarine"),    QT_TRANSLATE_NOOP("Tolvenn", "Popping oddfish"),
    QT_TRANSLATE_NOOP("Tolvenn", "Tough starfish"), QT_TRANSLATE_NOOP("Tolvenn", "Mostemac"),
    QT_TRANSLATE_NOOP("Tolvenn", "Bone fish"),    QT_TRANSLATE_NOOP("Tolvenn", "Butterflyfish"),
    QT_TRANSLATE_NOOP("Tolvenn", "Kappa"),        QT_TRANSLATE_NOOP("Tolvenn", "Octopus"),
    QT_TRANSLATE_NOOP("Tolvenn", "Jellyfish"),    QT_TRANSLATE_NOOP("Tolvenn", "Clownfish"),
    QT_TRANSLATE_NOOP("Tolvenn", "Sea urchin"),   QT_TRANSLATE_NOOP("Tolvenn", "Moss ball"),
    QT_TRANSLATE_NOOP("Tolvenn", "Mud snail"),    QT_TRANSLATE_NOOP("Tolvenn", "Crab"),
    QT_TRANSLATE_NOOP("Tolvenn", "Whale"),        QT_TRANSLATE_NOOP("Tolvenn", "Horseshoe crab"),
};

}  // namespace

QString SpeciesName(int number)
{
    if (number < 1 || number > kSpeciesCount)
        return {};
    return QCoreApplication::translate("Tolvenn", kNames[std::size_t(number - 1)]);
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
