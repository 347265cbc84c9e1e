#include "tools/sim/Census.h"

#include "creatures/Ikimono.h"
#include "sim/Catalogue.h"
#include "sim/Tank.h"

#include <array>

TCensus::TCensus() : Text_("tick,total,births,deaths")
{
    for (int n = 1; n <= kSpeciesCount; ++n)
        (Text_ += ',') += FindSpecies(n)->ClassName;
    Text_ += '\n';
}

void TCensus::AddRow(std::int64_t tick, const TTank& tank, std::int64_t births, std::int64_t deaths)
{
    std::array<int, kSpeciesCount + 1> perSpecies{};
    int total = 0;
    for (const auto& creature : tank.TankTable) {
        if (!creature)
            continue;
        ++total;
        if (FindSpecies(creature->Species))
            ++perSpecies[std::size_t(creature->Species)];
    }
    Text_ += std::to_string(tick) + ',' + std::to_string(total) + ',' + std::to_string(births) + ',' +
             std::to_string(deaths);
    for (int n = 1; n <= kSpeciesCount; ++n)
        Text_ += ',' + std::to_string(perSpecies[std::size_t(n)]);
    Text_ += '\n';
}
