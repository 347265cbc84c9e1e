// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "tools/sim/Census.h"

#include "sim/Census.h"

TCensus::TCensus(std::ostream& out) : Out_(out)
{
    Out_ << CensusHeader();
}

void TCensus::AddRow(std::int64_t tick, const TTank& tank, std::int64_t births, std::int64_t deaths)
{
    Out_ << CensusRow(tick, CountPopulation(tank), births, deaths);
}
