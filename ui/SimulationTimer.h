#pragma once

class TWindow;

// The timer that drives the tick.
constexpr unsigned kSimulationTimer = 1;
// Its period in milliseconds: 50 at start, 1 (fast) to 500 (slow) as the speed dialog sets it.
constexpr int kDefaultTimerInterval = 50;
constexpr int kMinTimerInterval = 1;
constexpr int kMaxTimerInterval = 500;

// Starts the simulation timer with the given period. While no timer can be had it says
// "No Timers Left" and tries again once the box is dismissed, without limit.
void StartSimulationTimer(TWindow& window, int interval);
void StopSimulationTimer(TWindow& window);
