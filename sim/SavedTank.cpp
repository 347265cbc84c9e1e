// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "sim/SavedTank.h"

#include "base/text/Utf8.h"
#include "creatures/Behaviours.h"
#include "sim/Catalogue.h"
#include "sim/Tank.h"
#include "sim/TankWindow.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// The counters of the creature's own class, or null when its class keeps none. The
// table holds creatures through non-const pointers, so reading a const tank needs no cast.
int* FrameOf(TIKIMONO& c)
{
    if (auto* flapper = dynamic_cast<TBATABATA*>(&c))
        return &flapper->Frame;
    if (auto* walker = dynamic_cast<TARUKU*>(&c))
        return &walker->Frame;
    return nullptr;
}

TSHIPPO* TailOf(TIKIMONO& c)
{
    return dynamic_cast<TSHIPPO*>(&c);
}

TSavedCreature Capture(int slot, TIKIMONO& c)
{
    TSavedCreature s;
    s.Slot = slot;
    s.Species = c.Species;
    s.X = c.X;
    s.Y = c.Y;
    s.DX = c.DX;
    s.DY = c.DY;
    s.RemainingLife = c.RemainingLife;
    s.BreedRate = c.BreedRate;
    s.Speed = c.Speed;
    s.Age = c.Age;
    s.Giant = c.Giant;
    s.Generation = c.Generation;
    s.GeneLifespan = c.GeneLifespan;
    s.GeneBreedRate = c.GeneBreedRate;
    s.GeneSpeed = c.GeneSpeed;
    s.GeneGrowth = c.GeneGrowth;
    if (const int* frame = FrameOf(c))
        s.Frame = *frame;
    if (const TSHIPPO* tail = TailOf(c)) {
        s.RunSteps = tail->RunSteps;
        s.PauseSteps = tail->PauseSteps;
        s.TailFrame = tail->TailFrame;
    }
    s.FamilyName.assign(c.FamilyName, std::find(c.FamilyName, c.FamilyName + TIKIMONO::kFamilyNameSize, '\0'));
    return s;
}

// A creature with every saved value, made without a parent. Its construction draws
// random numbers, which the restored generator state later makes irrelevant.
std::unique_ptr<TIKIMONO> Rebuild(const TSavedCreature& s, const TSpeciesEntry& entry, TTankWindow& window)
{
    std::unique_ptr<TIKIMONO> c(entry.Class.Construct(&window, nullptr));
    if (!c)
        return nullptr;
    c->Species = s.Species;
    c->X = s.X;
    c->Y = s.Y;
    c->DX = s.DX;
    c->DY = s.DY;
    c->RemainingLife = s.RemainingLife;
    c->BreedRate = s.BreedRate;
    c->Speed = s.Speed;
    c->Age = s.Age;
    c->Giant = s.Giant;
    c->Generation = s.Generation;
    c->GeneLifespan = s.GeneLifespan;
    c->GeneBreedRate = s.GeneBreedRate;
    c->GeneSpeed = s.GeneSpeed;
    c->GeneGrowth = s.GeneGrowth;
    if (int* frame = FrameOf(*c))
        *frame = s.Frame;
    if (TSHIPPO* tail = TailOf(*c)) {
        tail->RunSteps = s.RunSteps;
        tail->PauseSteps = s.PauseSteps;
        tail->TailFrame = s.TailFrame;
    }
    CopyUtf8(s.FamilyName, c->FamilyName, TIKIMONO::kFamilyNameSize);
    DressCreature(*c, entry, window.Tank());
    return c;
}

// Destroys creatures that never were in the tank without drawing them.
void DiscardUndrawn(std::vector<std::unique_ptr<TIKIMONO>>& creatures, TTank& tank)
{
    const int closing = tank.ClosingFlag;
    tank.ClosingFlag = 1;
    creatures.clear();
    tank.ClosingFlag = closing;
}

}  // namespace

TSavedTank CaptureTank(const TTank& tank)
{
    TSavedTank saved;
    saved.Width = tank.ScreenWidth;
    saved.Height = tank.ScreenHeight;
    saved.Capacity = tank.TankCapacity;
    saved.Ticks = tank.Ticks;
    saved.Seed = tank.Seed;
    saved.RandomState = tank.Random.State();
    for (int i = 0; i < TTank::kSlots; ++i)
        if (const auto& creature = tank.TankTable[std::size_t(i)])
            saved.Creatures.push_back(Capture(i, *creature));
    return saved;
}

bool RestoreTank(const TSavedTank& saved, TTankWindow& window)
{
    TTank& tank = window.Tank();
    // All the new creatures are made before anything of the old tank is touched.
    std::vector<std::unique_ptr<TIKIMONO>> made;
    made.reserve(saved.Creatures.size());
    const std::uint64_t randomBefore = tank.Random.State();
    for (const TSavedCreature& s : saved.Creatures) {
        const TSpeciesEntry* entry = FindSpecies(s.Species);
        const bool inTable = s.Slot >= 0 && s.Slot < TTank::kSlots;
        made.push_back(entry && inTable ? Rebuild(s, *entry, window) : nullptr);
        if (!made.back()) {
            DiscardUndrawn(made, tank);
            tank.Random.SetState(randomBefore);
            return false;
        }
    }

    tank.DestroyAllCreaturesUndrawn();
    tank.ScreenWidth = saved.Width;
    tank.ScreenHeight = saved.Height;
    tank.TankCapacity = saved.Capacity;
    tank.Ticks = saved.Ticks;
    tank.Seed = saved.Seed;
    for (std::size_t i = 0; i < made.size(); ++i)
        tank.TankTable[std::size_t(saved.Creatures[i].Slot)] = std::move(made[i]);
    tank.Random.SetState(saved.RandomState);
    return true;
}
