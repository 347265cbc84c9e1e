// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// How a tank file is laid out (docs/tank-file.md describes it for people): the first line
// names the format and its version, then come the header lines in this order, each a key,
// one space and a value, then the column names and a row per creature, tab-separated.
inline constexpr std::string_view kTankFileFormat = "tolvenn-tank";
inline constexpr int kTankFileVersion = 1;

inline constexpr std::string_view kExtentKey = "extent";        // WIDTHxHEIGHT
inline constexpr std::string_view kCapacityKey = "capacity";
inline constexpr std::string_view kTicksKey = "ticks";
inline constexpr std::string_view kSeedKey = "seed";
inline constexpr std::string_view kRandomKey = "random";        // LOW HIGH: the two 32-bit halves
inline constexpr std::string_view kCreaturesKey = "creatures";  // how many rows follow

// A counter the creature's class does not keep is written as this.
inline constexpr std::string_view kNoValue = "-";

enum class TTankColumn {
    Slot, Species, Class, X, Y, DX, DY, Life, BreedRate, Speed, Age, Giant, Generation, GeneLifespan,
    GeneBreedRate, GeneSpeed, GeneGrowth, Frame, RunSteps, PauseSteps, TailFrame, Family
};

inline constexpr std::array<std::string_view, 22> kTankColumnNames = {
    "slot",          "species",         "class",      "x",           "y",     "dx",
    "dy",            "life",            "breed_rate", "speed",       "age",   "giant",
    "generation",    "gene_lifespan",   "gene_breed_rate", "gene_speed", "gene_growth", "frame",
    "run_steps",     "pause_steps",     "tail_frame", "family",
};

static_assert(std::size_t(TTankColumn::Family) + 1 == kTankColumnNames.size(), "the family name comes last");

constexpr std::string_view ColumnName(TTankColumn column)
{
    return kTankColumnNames[std::size_t(column)];
}
