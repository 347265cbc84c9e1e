#pragma once

#include <array>
#include <memory>
#include <string_view>

class TIKIMONO;
class TTankWindow;

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
    TIKIMONO* (*Construct)(TTankWindow* window, TIKIMONO* parent);
};

inline constexpr int kSpeciesCount = 20;

// The entry for species 1 to 20; null for any other number.
const TSpeciesEntry* FindSpecies(int number);

// Makes a creature of species `number` (a founder when parent is null, else the
// parent's child) and completes it from the catalogue: only an empty name or a zero
// gene takes the species' default; RemainingLife draws once. Null for an unknown
// species or when no memory could be had.
std::unique_ptr<TIKIMONO> CreateCreature(int number, TTankWindow* window, TIKIMONO* parent);
