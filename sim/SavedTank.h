// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TTankWindow;
struct TTank;

// One creature as a saved tank holds it: every value that is not fixed by its species.
// The size, frame count and pictures come from the species catalogue again on restoring.
// Counters its class does not keep (see TKindCounters) stay 0.
struct TSavedCreature {
    int Slot = 0;
    int Species = 0;
    int X = 0;
    int Y = 0;
    int DX = 0;
    int DY = 0;
    int RemainingLife = 0;
    int BreedRate = 0;
    int Speed = 0;
    unsigned int Age = 0;
    int Giant = 0;
    int Generation = 0;
    int GeneLifespan = 0;
    int GeneBreedRate = 0;
    int GeneSpeed = 0;
    int GeneGrowth = 0;
    int Frame = 0;
    int RunSteps = 0;
    int PauseSteps = 0;
    int TailFrame = 0;
    std::string FamilyName;  // UTF-8, at most TIKIMONO::kFamilyNameSize - 1 bytes

    bool operator==(const TSavedCreature&) const = default;
};

// The whole simulation state of a tank: enough to go on exactly as if it had never stopped.
struct TSavedTank {
    int Width = 0;
    int Height = 0;
    int Capacity = 0;
    std::int64_t Ticks = 0;
    std::uint32_t Seed = 0;
    std::uint64_t RandomState = 0;
    std::vector<TSavedCreature> Creatures;  // in ascending slot order

    bool operator==(const TSavedTank&) const = default;
};

// The state of the tank as it stands.
TSavedTank CaptureTank(const TTank& tank);

// Replaces everything of the window's tank with the saved state, which must be one that
// ReadTankFile accepts: every creature at once, none of the old ones drawn or erased, and
// the generator's state set last. Leaves the tank open (ClosingFlag clear). The tank's
// bitmaps must be loaded. Returns false, with the tank unchanged, when no memory could be
// had for the new creatures, or for a species or slot that does not exist.
bool RestoreTank(const TSavedTank& saved, TTankWindow& window);
