// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

class TTankWindow;

// Empties the used part of the tank and puts in the 40 founders: species 1 to 20 in
// slots 0 to 19, then twenty of species drawn at random, all of them full-grown.
// Draws, per founder: its species (slots 20 to 39 only), its construction, its life.
void PopulateTank(TTankWindow& window);
