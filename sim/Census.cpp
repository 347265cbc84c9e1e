// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "sim/Census.h"

#include "creatures/Ikimono.h"
#include "sim/Tank.h"

#include <algorithm>

TPopulation CountPopulation(const TTank& tank)
{
    TPopulation population;
    for (const auto& creature : tank.TankTable) {
        if (!creature)
            continue;
        ++population.Total;
        if (FindSpecies(creature->Species))
            ++population.PerSpecies[std::size_t(creature->Species - 1)];
        population.HighestGeneration = std::max(population.HighestGeneration, creature->Generation);
    }
    return population;
}

std::string CensusHeader()
{
    std::string header = "tick,total,births,deaths";
    for (int n = 1; n <= kSpeciesCount; ++n)
        (header += ',') += FindSpecies(n)->ClassName;
    return header + '\n';
}

std::string CensusRow(std::int64_t tick, const TPopulation& population, std::int64_t births, std::int64_t deaths)
{
    std::string row = std::to_string(tick) + ',' + std::to_string(population.Total) + ',' + std::to_string(births) +
                      ',' + std::to_string(deaths);
    for (const int count : population.PerSpecies)
        row += ',' + std::to_string(count);
    return row + '\n';
}
