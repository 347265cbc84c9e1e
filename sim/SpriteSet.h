// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <string_view>

struct TTank;

// The blank bitmap comes first in the set, then the sprites in this fixed order, which
// is also the order of loading and of deletion.
inline constexpr std::string_view kBlankBitmapName = "BLANC";

inline constexpr std::array<std::string_view, 43> kSpriteNames = {
    "GYOPI1",    "GYOPI2",    "TATU1",     "TATU2",   "WANIUO1",   "WANIUO2",  "IKA1",    "IKA2",
    "SUB1",      "SUB2",      "HIRAME2",   "HIRAME1", "HITODE1",   "HITODE2",  "BARG1",   "BARG2",
    "HONEUO1",   "HONEUO2",   "CHOUCHOU1", "CHOUCHOU2", "KAPPA1",  "KAPPA2",   "KAPPA3",  "KAPPA4",
    "TAKO1",     "TAKO2",     "KURAGE1",   "KURAGE2", "KUMANOMI1", "KUMANOMI2", "UNI",    "MARIMO",
    "KAI1",      "KAI2",      "KAI3",      "KAI4",    "KANI1",     "KANI2",    "KUJIRA1", "KUJIRA2",
    "KABUTO1",   "KABUTO2",   "KABUTO3",
};

// Position of a sprite in TTank::SpriteBitmaps; -1 for an unknown name.
constexpr int SpriteIndex(std::string_view name)
{
    for (std::size_t i = 0; i < kSpriteNames.size(); ++i)
        if (kSpriteNames[i] == name)
            return int(i);
    return -1;
}

// Loads BLANC and then the 43 sprites from the embedded resources into the tank. A
// bitmap that is missing stays null.
void LoadBitmaps(TTank& tank);
// Deletes them in the same order, BLANC first, and clears the handles.
void DeleteBitmaps(TTank& tank);
