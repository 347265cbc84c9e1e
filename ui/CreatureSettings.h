// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

class TTankWindow;
class TWindow;
struct TSimulationPace;

// The right button on a creature: the simulation stands still while the first creature
// under the pointer is shown and edited in "生き物設定"; the values come back to it however
// the dialog ended, and the timer starts again at the pace (not when the user paused it).
void OpenCreatureSettings(TWindow& window, TTankWindow& tankWindow, const TSimulationPace& pace, int clientX,
                          int clientY);
