// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "ui/CreatureSettings.h"

#include "creatures/Ikimono.h"
#include "base/text/Decimal.h"
#include "sim/HitTest.h"
#include "sim/Tank.h"
#include "sim/TankWindow.h"
#include "ui/CreatureDialog.h"
#include "ui/SimulationTimer.h"

#include <cstdio>

void OpenCreatureSettings(TWindow& window, TTankWindow& tankWindow, const TSimulationPace& pace, int clientX,
                          int clientY)
{
    TTank& tank = tankWindow.Tank();
    StopSimulationTimer(window);
    const int px = tankWindow.TankX(clientX);
    const int py = tankWindow.TankY(clientY);
    const int slot = FirstHitSlot(tank, px, py);
    if (slot >= 0) {
        TIKIMONO* creature = tank.TankTable[slot].get();
        TVeoDlg dialog(&window, creature->FamilyName);
        std::snprintf(dialog.RemainingLifeText, sizeof dialog.RemainingLifeText, "%d", creature->RemainingLife);
        std::snprintf(dialog.LifespanText, sizeof dialog.LifespanText, "%d", creature->GeneLifespan);
        std::snprintf(dialog.GenerationText, sizeof dialog.GenerationText, "%d", creature->Generation);
        dialog.GeneBreedRate = creature->GeneBreedRate;
        dialog.GeneSpeed = creature->GeneSpeed;
        dialog.Speed = creature->Speed;
        dialog.BreedRate = creature->BreedRate;
        dialog.GeneGrowth = creature->GeneGrowth;
        dialog.Execute();
        // The timer stands still, so the creature is still in its slot.
        if (tank.TankTable[slot].get() == creature) {
            creature->RemainingLife = TypedNumberValue(dialog.RemainingLifeText);
            creature->GeneLifespan = TypedNumberValue(dialog.LifespanText);
            creature->BreedRate = dialog.BreedRate;
            creature->Speed = dialog.Speed;
            creature->GeneBreedRate = dialog.GeneBreedRate;
            creature->GeneSpeed = dialog.GeneSpeed;
            creature->GeneGrowth = dialog.GeneGrowth;
        }
    }
    StartSimulationTimer(window, pace);
}
