// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "sim/Population.h"

#include "creatures/Ikimono.h"
#include "sim/Catalogue.h"
#include "sim/Tank.h"
#include "sim/TankWindow.h"


namespace {

constexpr int kFounders = 40;
constexpr int kRandomFoundersFrom = 20;
// Far past the growth gene, so founders are drawn full size from their first step.
constexpr unsigned int kFounderAge = 100;

}  // namespace

void PopulateTank(TTankWindow& window)
{
    TTank& tank = window.Tank();
    const int used = tank.UsedSlots();
    for (int i = 0; i < used; ++i)
        tank.TankTable[std::size_t(i)].reset();

    for (int k = 0; k < kFounders; ++k) {
        const int species = k < kRandomFoundersFrom ? k + 1 : tank.Random.rand() % kSpeciesCount + 1;
        tank.TankTable[std::size_t(k)] = CreateCreature(species, &window, nullptr);
    }
    for (int k = 0; k < kFounders; ++k)
        if (auto& creature = tank.TankTable[std::size_t(k)])
            creature->Age = kFounderAge;
}
