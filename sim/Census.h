// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "sim/Catalogue.h"

#include <array>
#include <cstdint>
#include <string>

struct TTank;

// How many creatures the tank holds, of each species, and the highest generation among them.
struct TPopulation {
    int Total = 0;
    std::array<int, kSpeciesCount> PerSpecies{};  // species 1 first
    int HighestGeneration = 0;
};

// Counts every slot of the table, not only the used ones.
TPopulation CountPopulation(const TTank& tank);

// The census as comma-separated text, the same for the headless tool and the window: a
// header line naming tick, total, births, deaths and the twenty species' classes in
// catalogue order, then one row per sample with the births and deaths since the row
// before. Both end with a newline.
std::string CensusHeader();
std::string CensusRow(std::int64_t tick, const TPopulation& population, std::int64_t births, std::int64_t deaths);
