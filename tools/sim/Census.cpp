#include "tools/sim/Census.h"

#include "sim/Census.h"

TCensus::TCensus() : Text_(CensusHeader()) {}

void TCensus::AddRow(std::int64_t tick, const TTank& tank, std::int64_t births, std::int64_t deaths)
{
    Text_ += CensusRow(tick, CountPopulation(tank), births, deaths);
}
