// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "sim/Catalogue.h"

#include "creatures/Kinds.h"
#include "sim/SpriteSet.h"
#include "sim/Tank.h"
#include "sim/TankWindow.h"

#include <cstring>
#include <new>
#include <type_traits>

namespace {

template <class Species>
TIKIMONO* Construct(TTankWindow* window, TIKIMONO* parent)
{
    return new (std::nothrow) Species(window, parent);
}

// Read off the class itself, so that the counters a saved tank expects cannot disagree
// with the object that is made.
template <class Species>
constexpr TKindCounters CountersOf()
{
    if constexpr (std::is_base_of_v<TBATABATA, Species> || std::is_base_of_v<TARUKU, Species>)
        return TKindCounters::Frame;
    else if constexpr (std::is_base_of_v<TSHIPPO, Species>)
        return TKindCounters::Tail;
    else
        return TKindCounters::None;
}

template <class Species>
constexpr TSpeciesClass Make = {&Construct<Species>, CountersOf<Species>()};

constexpr std::array<TSpeciesEntry, kSpeciesCount> kCatalogue = {{
    {1, "GYOPI", "きんぎょ", 400, 398, 100, 16, 16, 2, {SpriteIndex("GYOPI1"), SpriteIndex("GYOPI2")}, Make<GYOPI>},
    {2, "TATU", "たつのおとしご", 500, 495, 15, 16, 16, 2, {SpriteIndex("TATU1"), SpriteIndex("TATU2")}, Make<TATU>},
    {3, "WANIUO", "わにうお", 300, 298, 200, 32, 16, 2, {SpriteIndex("WANIUO1"), SpriteIndex("WANIUO2")}, Make<WANIUO>},
    {4, "IKA", "いか", 300, 298, 70, 16, 16, 2, {SpriteIndex("IKA1"), SpriteIndex("IKA2")}, Make<IKA>},
    {5, "SUB", "さぶまりん", 10000, 10000, 50, 32, 20, 2, {SpriteIndex("SUB1"), SpriteIndex("SUB2")}, Make<SUB>},
    {6, "HIRAME", "ポプポプ珍怪魚", 500, 495, 70, 16, 16, 2, {SpriteIndex("HIRAME2"), SpriteIndex("HIRAME1")}, Make<HIRAME>},
    {7, "HITODE", "つっぱりひとで", 400, 395, 20, 16, 16, 2, {SpriteIndex("HITODE1"), SpriteIndex("HITODE2")}, Make<HITODE>},
    {8, "BARG", "もすてまっく", 400, 395, 70, 20, 20, 2, {SpriteIndex("BARG1"), SpriteIndex("BARG2")}, Make<BARG>},
    {9, "HONEUO", "ほねうお", 500, 495, 150, 20, 16, 2, {SpriteIndex("HONEUO1"), SpriteIndex("HONEUO2")}, Make<HONEUO>},
    {10, "CHOUCHOU", "ちょうちょう魚", 500, 495, 70, 20, 16, 2, {SpriteIndex("CHOUCHOU1"), SpriteIndex("CHOUCHOU2")}, Make<CHOUCHOU>},
    {11, "KAPPA", "河童", 500, 495, 70, 16, 32, 4, {SpriteIndex("KAPPA1"), SpriteIndex("KAPPA2"), SpriteIndex("KAPPA3"), SpriteIndex("KAPPA4")}, Make<KAPPA>},
    {12, "TAKO", "たこ", 400, 398, 50, 32, 32, 2, {SpriteIndex("TAKO1"), SpriteIndex("TAKO2")}, Make<TAKO>},
    {13, "KURAGE", "くらげ", 400, 398, 40, 16, 16, 2, {SpriteIndex("KURAGE1"), SpriteIndex("KURAGE2")}, Make<KURAGE>},
    {14, "KUMANOMI", "くまのみ", 300, 298, 150, 16, 16, 2, {SpriteIndex("KUMANOMI1"), SpriteIndex("KUMANOMI2")}, Make<KUMANOMI>},
    {15, "UNI", "うに－－", 400, 398, 30, 16, 16, 1, {SpriteIndex("UNI")}, Make<UNI>},
    {16, "MARIMO", "まりも", 300, 298, 15, 6, 6, 1, {SpriteIndex("MARIMO")}, Make<MARIMO>},
    {17, "KAI", "たにし", 400, 398, 40, 16, 16, 4, {SpriteIndex("KAI1"), SpriteIndex("KAI2"), SpriteIndex("KAI3"), SpriteIndex("KAI4")}, Make<KAI>},
    {18, "KANI", "かに", 200, 199, 60, 24, 16, 2, {SpriteIndex("KANI1"), SpriteIndex("KANI2")}, Make<KANI>},
    {19, "KUJIRA", "くじら", 500, 495, 50, 32, 32, 2, {SpriteIndex("KUJIRA1"), SpriteIndex("KUJIRA2")}, Make<KUJIRA>},
    {20, "KABUTO", "かぶとがに", 300, 295, 20, 16, 16, 3, {SpriteIndex("KABUTO1"), SpriteIndex("KABUTO2"), SpriteIndex("KABUTO3")}, Make<KABUTO>},
}};

constexpr bool WellFormed(const TSpeciesEntry& e, int number)
{
    if (e.Number != number || e.FamilyName.empty() || e.FamilyName.size() >= TIKIMONO::kFamilyNameSize)
        return false;
    for (int i = 0; i < e.FrameCount; ++i)
        if (e.Frames[std::size_t(i)] < 0)
            return false;
    return e.FrameCount >= 1 && e.FrameCount <= 4;
}

constexpr bool CatalogueWellFormed()
{
    for (int i = 0; i < kSpeciesCount; ++i)
        if (!WellFormed(kCatalogue[std::size_t(i)], i + 1))
            return false;
    return true;
}

// Numbered in order, each name fits FamilyName with its terminator, each frame is a sprite.
static_assert(CatalogueWellFormed());

void Complete(TIKIMONO& creature, const TSpeciesEntry& entry, TTank& tank)
{
    creature.Species = entry.Number;
    if (creature.FamilyName[0] == '\0') {
        std::memcpy(creature.FamilyName, entry.FamilyName.data(), entry.FamilyName.size());
        creature.FamilyName[entry.FamilyName.size()] = '\0';
    }
    if (creature.GeneLifespan == 0)
        creature.GeneLifespan = entry.Lifespan;
    creature.RemainingLife = SaturatingAdd(creature.GeneLifespan, tank.Random.rand() % 100);
    if (creature.GeneBreedRate == 0)
        creature.GeneBreedRate = entry.BreedRate;
    creature.BreedRate = creature.GeneBreedRate;
    if (creature.GeneSpeed == 0)
        creature.GeneSpeed = entry.Speed;
    creature.Speed = creature.GeneSpeed;
    DressCreature(creature, entry, tank);
}

}  // namespace

void DressCreature(TIKIMONO& creature, const TSpeciesEntry& entry, const TTank& tank)
{
    creature.Width = entry.Width;
    creature.Height = entry.Height;
    creature.FrameCount = entry.FrameCount;
    for (int i = 0; i < entry.FrameCount; ++i)
        creature.Bitmaps[std::size_t(i)] = tank.SpriteBitmaps[std::size_t(entry.Frames[std::size_t(i)])];
}

const TSpeciesEntry* FindSpecies(int number)
{
    if (number < 1 || number > kSpeciesCount)
        return nullptr;
    return &kCatalogue[std::size_t(number - 1)];
}

std::unique_ptr<TIKIMONO> CreateCreature(int number, TTankWindow* window, TIKIMONO* parent)
{
    const TSpeciesEntry* entry = FindSpecies(number);
    if (!entry)
        return nullptr;
    std::unique_ptr<TIKIMONO> creature(entry->Class.Construct(window, parent));
    if (creature)
        Complete(*creature, *entry, window->Tank());
    return creature;
}
