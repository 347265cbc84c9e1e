#include "tools/sim/StateTable.h"

#include "creatures/Behaviours.h"
#include "sim/Catalogue.h"
#include "sim/Tank.h"

#include <sstream>

namespace {

void PutRow(std::ostringstream& out, int slot, const TIKIMONO& c)
{
    const TSpeciesEntry* entry = FindSpecies(c.Species);
    out << slot << '\t' << c.Species << '\t' << (entry ? entry->ClassName : "-") << '\t' << c.X << '\t' << c.Y
        << '\t' << c.DX << '\t' << c.DY << '\t' << c.RemainingLife << '\t' << c.BreedRate << '\t' << c.Speed << '\t'
        << c.Age << '\t' << c.Giant << '\t' << c.Generation << '\t' << c.GeneLifespan << '\t' << c.GeneBreedRate
        << '\t' << c.GeneSpeed << '\t' << c.GeneGrowth << '\t';

    if (const auto* flapper = dynamic_cast<const TBATABATA*>(&c))
        out << flapper->Frame;
    else if (const auto* walker = dynamic_cast<const TARUKU*>(&c))
        out << walker->Frame;
    else
        out << '-';

    if (const auto* waver = dynamic_cast<const TSHIPPO*>(&c))
        out << '\t' << waver->RunSteps << '\t' << waver->PauseSteps << '\t' << waver->TailFrame;
    else
        out << "\t-\t-\t-";

    out << '\t' << c.FamilyName << '\n';
}

}  // namespace

std::string FormatState(const TTank& tank)
{
    std::ostringstream out;
    out << kStateHeader;
    for (int i = 0; i < TTank::kSlots; ++i)
        if (const auto& creature = tank.TankTable[std::size_t(i)])
            PutRow(out, i, *creature);
    return out.str();
}
