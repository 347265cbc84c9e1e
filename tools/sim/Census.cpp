#include "tools/sim/Census.h"

#include "creatures/Ikimono.h"
#include "sim/Catalogue.h"
#include "sim/Tank.h"

#include <array>
#include <string>

TCensus::TCensus(std::ostream& out) : Out_(out)
{
    std::string header = "tick,total,births,deaths";
    for (int n = 1; n <= kSpeciesCount; ++n)
        (header += ',') += FindSpecies(n)->ClassName;
    Out_ << header << '\n';
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
    std::string row = std::to_string(tick) + ',' + std::to_string(total) + ',' + std::to_string(births) + ',' +
                      std::to_string(deaths);
    for (int n = 1; n <= kSpeciesCount; ++n)
        row += ',' + std::to_string(perSpecies[std::size_t(n)]);
    Out_ << row << '\n';
}
