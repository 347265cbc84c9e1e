#include "ui/SpeciesName.h"

#include "sim/Catalogue.h"

#include <QCoreApplication>

std::string SpeciesDisplayName(int species)
{
    const TSpeciesEntry* entry = FindSpecies(species);
    if (!entry)
        return {};
    // The catalogue's family names are the source texts of the "Species" context.
    return QCoreApplication::translate("Species", std::string(entry->FamilyName).c_str()).toStdString();
}
