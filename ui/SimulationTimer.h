#pragma once

class TWindow;

// The timer that drives the tick.
constexpr unsigned kSimulationTimer = 1;

// Starts the simulation timer with the given period. While no timer can be had it says
// "No Timers Left" and tries again once the box is dismissed, without limit.
void StartSimulationTimer(TWindow& window, int interval);
void StopSimulationTimer(TWindow& window);
