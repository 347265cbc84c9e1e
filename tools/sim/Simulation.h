#pragma once

#include "tools/sim/Options.h"

#include <cstdint>
#include <string>
#include <vector>

// What a headless run produced; each output is filled only when the options ask for it.
struct TSimResult {
    std::string State;
    std::string Census;
    std::vector<unsigned char> Png;
    std::int64_t Ticks = 0;
    std::int64_t Steps = 0;
    double Seconds = 0;  // spent in the ticks
};

// Loads the bitmaps, seeds the generator, puts in the founders and runs the ticks, with
// the whole tank as the client area.
TSimResult Simulate(const TSimOptions& options);
