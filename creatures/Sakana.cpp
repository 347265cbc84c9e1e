#include "creatures/Sakana.h"

#include "base/random/Random.h"

#include <algorithm>
#include <climits>

TStepResult TSAKANA::Step()
{
    if (RemainingLife <= 0)
        return STEP_DIE;
    Erase();
    Move(100, 100, true);
    Show();
    --RemainingLife;
    // Repeated dashes keep doubling; held at the int range rather than overflowing.
    if (Random().rand() % 40 == 0)
        DX = int(std::clamp(2LL * DX, (long long)INT_MIN, (long long)INT_MAX));
    return BreedByChance();
}
