// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "sim/SavedTank.h"
#include "tools/sim/Options.h"

#include <cstdint>
#include <functional>
#include <ostream>

// Where a run's outputs go; each is written only when given. The census is written row by
// row as the run goes, and the run stops early once it can no longer be written.
struct TSimOutputs {
    std::ostream* State = nullptr;
    std::ostream* Census = nullptr;
    std::ostream* Png = nullptr;
    std::ostream* Save = nullptr;  // the tank file after the last tick
};

struct TSimResult {
    std::int64_t Ticks = 0;  // run
    std::int64_t Steps = 0;
    double Seconds = 0;  // spent in the ticks
    bool PictureFailed = false;  // the picture was asked for but could not be encoded
};

// Calls each(tick) for tick = first, first + 1, ..., last in order, until it returns false.
// The count never steps past last, so last may be the largest int.
void ForEachTick(int first, int last, const std::function<bool(int)>& each);

// Loads the bitmaps, seeds the generator, puts in the founders and runs the ticks, with
// the whole tank as the client area. The tank-sized picture is held only when it is asked for.
// Started from a saved tank instead, the run goes on from it: its ticks count on from the
// saved tick count, and the census has no row for the moment of opening, which the run
// that saved it already wrote.
TSimResult Simulate(const TSimOptions& options, const TSimOutputs& outputs, const TSavedTank* start = nullptr);
