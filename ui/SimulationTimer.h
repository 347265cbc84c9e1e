// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

class TWindow;

// The timer that drives the tick.
constexpr unsigned kSimulationTimer = 1;
// Its period in milliseconds: 50 at start, 1 (fast) to 500 (slow) as the speed dialog sets it.
constexpr int kDefaultTimerInterval = 50;
constexpr int kMinTimerInterval = 1;
constexpr int kMaxTimerInterval = 500;

// What a start of the simulation timer obeys: its period, set by the speed dialog, and the
// user's pause, which keeps the timer stopped through every restart after a dialog or menu.
struct TSimulationPace {
    int Interval = kDefaultTimerInterval;
    bool Paused = false;
};

// Starts the simulation timer with the pace's period, unless the user paused the tank.
// While no timer can be had it says "No Timers Left" and tries again once the box is
// dismissed, without limit.
void StartSimulationTimer(TWindow& window, const TSimulationPace& pace);
void StopSimulationTimer(TWindow& window);
