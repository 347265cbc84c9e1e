// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

class TIKIMONO;
struct TTank;

// True when tank point (px, py) lies within the creature's full sprite size of its
// top-left corner on both axes (strictly), whatever size it is drawn at.
bool IsHit(const TIKIMONO& creature, int px, int py);

// The first slot below TankCapacity whose creature is hit at (px, py); -1 if none.
int FirstHitSlot(const TTank& tank, int px, int py);
