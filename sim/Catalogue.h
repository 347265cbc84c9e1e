// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <memory>
#include <string_view>

class TIKIMONO;
class TTankWindow;
struct TTank;

// The counters a behaviour class keeps besides the fields every creature has: a frame
// (flappers and walkers), the run, pause and tail counters (tail-wavers), or none.
enum class TKindCounters { None, Frame, Tail };

// The class a species' creatures are made of: how to make one and which counters it keeps.
struct TSpeciesClass {
    TIKIMONO* (*Construct)(TTankWindow* window, TIKIMONO* parent);
    TKindCounters Counters;
};

// What one species is: the class its creatures are made of and the defaults that
// complete a new one. Frames are positions in TTank::SpriteBitmaps, frame 0 first.
struct TSpeciesEntry {
    int Number;
    std::string_view ClassName;
    std::string_view FamilyName;  // UTF-8
    int Lifespan;
    int BreedRate;
    int Speed;
    int Width;
    int Height;
    int FrameCount;
    std::array<int, 4> Frames;
    TSpeciesClass Class;
};

inline constexpr int kSpeciesCount = 20;

// The entry for species 1 to 20; null for any other number.
const TSpeciesEntry* FindSpecies(int number);

// Gives the creature its species' size, frame count and pictures from the tank's sprites.
void DressCreature(TIKIMONO& creature, const TSpeciesEntry& entry, const TTank& tank);

// Makes a creature of species `number` (a founder when parent is null, else the
// parent's child) and completes it from the catalogue: only an empty name or a zero
// gene takes the species' default; RemainingLife draws once. Null for an unknown
// species or when no memory could be had.
std::unique_ptr<TIKIMONO> CreateCreature(int number, TTankWindow* window, TIKIMONO* parent);
