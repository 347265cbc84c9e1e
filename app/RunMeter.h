// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <chrono>
#include <cstdint>
#include <ctime>
#include <string>

// The measured side of a window's run: when it began, whether --run-for has used up its
// time, and the figures --stats prints at exit.
class TRunMeter {
public:
    // At set-up; a run of 0 seconds never ends by itself.
    void Start(int runForSeconds);
    // True once: at the first asking after the run's time has passed.
    bool TimeIsUp();
    // At closing, while the tank still holds its creatures.
    void Stop(std::int64_t ticks, int population);
    // "ticks=N seconds=S ticks_per_s=R population=P cpu_ms_per_tick=C", or empty before Stop.
    std::string StatsLine() const;

private:
    using TClock = std::chrono::steady_clock;
    TClock::time_point Begin_{};
    std::clock_t BeginCpu_ = 0;
    TClock::duration RunFor_{};
    bool TimeUpTold_ = false;
    bool Stopped_ = false;
    std::int64_t Ticks_ = 0;
    int Population_ = 0;
    double Seconds_ = 0;
    double CpuSeconds_ = 0;
};

// The figures as --stats prints them, with '.' as the decimal point whatever the locale.
std::string FormatRunStats(std::int64_t ticks, double seconds, int population, double cpuSeconds);
