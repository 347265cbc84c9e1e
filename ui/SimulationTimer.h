#pragma once

class TWindow;

// The timer that drives the tick.
constexpr unsigned kSimulationTimer = 1;

// What a start of the simulation timer obeys: its period, set by the speed dialog, and the
// user's pause, which keeps the timer stopped through every restart after a dialog or menu.
struct TSimulationPace {
    int Interval = 50;
    bool Paused = false;
};

// Starts the simulation timer with the pace's period, unless the user paused the tank.
// While no timer can be had it says "No Timers Left" and tries again once the box is
// dismissed, without limit.
void StartSimulationTimer(TWindow& window, const TSimulationPace& pace);
void StopSimulationTimer(TWindow& window);
