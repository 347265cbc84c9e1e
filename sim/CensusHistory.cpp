// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "sim/CensusHistory.h"

#include "sim/Tank.h"
#include "sim/Tick.h"

#include <algorithm>

TCensusHistory::TCensusHistory(std::size_t maxRows) : MaxRows_(std::max<std::size_t>(maxRows, 2))
{
    Rows_.reserve(MaxRows_);
}

void TCensusHistory::Start(const TTank& tank)
{
    Rows_.assign(1, TRow{tank.Ticks, CountPopulation(tank), 0, 0});
    Stride_ = 1;
    PendingBirths_ = PendingDeaths_ = TotalBirths_ = TotalDeaths_ = 0;
}

void TCensusHistory::Record(const TTank& tank, const TTickCounts& tick)
{
    TotalBirths_ += tick.Births;
    TotalDeaths_ += tick.Deaths;
    PendingBirths_ += tick.Births;
    PendingDeaths_ += tick.Deaths;
    if (Rows_.empty() || tank.Ticks % Stride_ != 0)
        return;
    // Counting the table happens only on the stride's ticks.
    Rows_.push_back({tank.Ticks, CountPopulation(tank), PendingBirths_, PendingDeaths_});
    PendingBirths_ = PendingDeaths_ = 0;
    if (Rows_.size() >= MaxRows_)
        Thin();
}

void TCensusHistory::Thin()
{
    Stride_ *= 2;
    std::size_t kept = 1;  // the founders stay first
    std::int64_t births = 0, deaths = 0;
    for (std::size_t i = 1; i < Rows_.size(); ++i) {
        births += Rows_[i].Births;
        deaths += Rows_[i].Deaths;
        if (Rows_[i].Tick % Stride_ != 0)
            continue;
        Rows_[kept] = Rows_[i];
        Rows_[kept].Births = births;
        Rows_[kept].Deaths = deaths;
        ++kept;
        births = deaths = 0;
    }
    Rows_.resize(kept);
    // What came after the last kept row belongs to the next one.
    PendingBirths_ += births;
    PendingDeaths_ += deaths;
}

std::string TCensusHistory::Text() const
{
    std::string text = CensusHeader();
    for (const TRow& row : Rows_)
        text += CensusRow(row.Tick, row.Population, row.Births, row.Deaths);
    return text;
}
