// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "sim/Census.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct TTank;
struct TTickCounts;

// The census of a run kept as it goes, in bounded memory for runs of days: a row every
// Stride() ticks from the founders on. When the rows reach their limit, the stride doubles
// and the rows between the new multiples are folded into the row after them, their births
// and deaths added, so that the rows always read as a census taken every Stride() ticks.
class TCensusHistory {
public:
    static constexpr std::size_t kDefaultMaxRows = 2048;

    struct TRow {
        std::int64_t Tick = 0;
        TPopulation Population;
        std::int64_t Births = 0;  // since the row before
        std::int64_t Deaths = 0;
    };

    explicit TCensusHistory(std::size_t maxRows = kDefaultMaxRows);

    // The first row: the tank as it stands now, with no births or deaths.
    void Start(const TTank& tank);
    // After each tick: what the tick did, and a row when the tick count reaches the stride.
    void Record(const TTank& tank, const TTickCounts& tick);

    const std::vector<TRow>& Rows() const { return Rows_; }
    std::int64_t Stride() const { return Stride_; }
    // Every birth and death since Start.
    std::int64_t TotalBirths() const { return TotalBirths_; }
    std::int64_t TotalDeaths() const { return TotalDeaths_; }

    // The rows in the headless tool's census format.
    std::string Text() const;

private:
    void Thin();

    std::size_t MaxRows_;
    std::vector<TRow> Rows_;
    std::int64_t Stride_ = 1;
    std::int64_t PendingBirths_ = 0;
    std::int64_t PendingDeaths_ = 0;
    std::int64_t TotalBirths_ = 0;
    std::int64_t TotalDeaths_ = 0;
};
