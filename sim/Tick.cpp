// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "sim/Tick.h"

#include "creatures/Ikimono.h"
#include "sim/Catalogue.h"
#include "sim/Tank.h"
#include "sim/TankDrawing.h"
#include "sim/TankWindow.h"

#include <algorithm>

namespace {

// A child is placed in the first empty slot; false when the used part is full.
bool PlaceChild(TTankWindow& window, TIKIMONO& parent, int used)
{
    auto& table = window.Tank().TankTable;
    const auto end = table.begin() + used;
    const auto free = std::find(table.begin(), end, nullptr);
    if (free == end)
        return false;
    *free = CreateCreature(parent.Species, &window, &parent);
    return *free != nullptr;
}

void StepAll(TTankWindow& window, TTickCounts& tick)
{
    TTank& tank = window.Tank();
    const int used = tank.UsedSlots();
    for (int i = 0; i < used; ++i) {
        auto& slot = tank.TankTable[std::size_t(i)];
        if (!slot)
            continue;
        const TStepResult result = slot->Step();
        ++tick.Steps;
        if (result == STEP_DIE) {
            slot.reset();
            ++tick.Deaths;
        } else if (result == STEP_BREED && PlaceChild(window, *slot, used)) {
            ++tick.Births;
        }
    }
}

}  // namespace

void RunTick(TTankWindow& window, TTickCounts* counts)
{
    TTickCounts tick;
    ++window.Tank().Ticks;
    {
        const TTankDrawing drawing(window);
        StepAll(window, tick);
    }
    if (counts) {
        counts->Steps += tick.Steps;
        counts->Births += tick.Births;
        counts->Deaths += tick.Deaths;
    }
}
