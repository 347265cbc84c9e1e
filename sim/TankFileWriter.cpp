// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "sim/TankFile.h"

#include "sim/Catalogue.h"
#include "sim/FieldEscape.h"
#include "sim/TankFileLayout.h"

#include <locale>
#include <sstream>

namespace {

void PutCreature(std::ostringstream& out, const TSavedCreature& c)
{
    const TSpeciesEntry* entry = FindSpecies(c.Species);
    const TKindCounters counters = entry ? entry->Class.Counters : TKindCounters::None;
    out << c.Slot << '\t' << c.Species << '\t' << (entry ? entry->ClassName : kNoValue) << '\t' << c.X << '\t' << c.Y
        << '\t' << c.DX << '\t' << c.DY << '\t' << c.RemainingLife << '\t' << c.BreedRate << '\t' << c.Speed << '\t'
        << c.Age << '\t' << c.Giant << '\t' << c.Generation << '\t' << c.GeneLifespan << '\t' << c.GeneBreedRate
        << '\t' << c.GeneSpeed << '\t' << c.GeneGrowth << '\t';
    if (counters == TKindCounters::Frame)
        out << c.Frame;
    else
        out << kNoValue;
    if (counters == TKindCounters::Tail)
        out << '\t' << c.RunSteps << '\t' << c.PauseSteps << '\t' << c.TailFrame;
    else
        out << '\t' << kNoValue << '\t' << kNoValue << '\t' << kNoValue;
    out << '\t' << EscapeField(c.FamilyName) << '\n';
}

}  // namespace

std::string FormatTankFile(const TSavedTank& saved)
{
    std::ostringstream out;
    // Digits without grouping whatever locale the program runs in.
    out.imbue(std::locale::classic());
    out << kTankFileFormat << ' ' << kTankFileVersion << '\n';
    out << kExtentKey << ' ' << saved.Width << 'x' << saved.Height << '\n';
    out << kCapacityKey << ' ' << saved.Capacity << '\n';
    out << kTicksKey << ' ' << saved.Ticks << '\n';
    out << kSeedKey << ' ' << saved.Seed << '\n';
    out << kRandomKey << ' ' << (saved.RandomState & 0xFFFFFFFFu) << ' ' << (saved.RandomState >> 32) << '\n';
    out << kCreaturesKey << ' ' << saved.Creatures.size() << '\n';
    out << FormatCreatureTable(saved);
    return out.str();
}

std::string FormatCreatureTable(const TSavedTank& saved)
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    for (std::size_t i = 0; i < kTankColumnNames.size(); ++i)
        out << kTankColumnNames[i] << (i + 1 < kTankColumnNames.size() ? '\t' : '\n');
    for (const TSavedCreature& creature : saved.Creatures)
        PutCreature(out, creature);
    return out.str();
}

std::string FormatTankFile(const TTank& tank)
{
    return FormatTankFile(CaptureTank(tank));
}
