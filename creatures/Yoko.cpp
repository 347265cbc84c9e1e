#include "creatures/Yoko.h"

#include "base/random/Random.h"

TStepResult TYOKO::Step()
{
    TRandom& random = Random();
    if (random.rand() % 3 == 0)
        return STEP_LIVE;
    if (RemainingLife <= 0)
        return STEP_DIE;
    Erase();
    Move(100, 100, false);
    Show();
    --RemainingLife;
    if (random.rand() % 20 == 0)
        ReAim();
    return BreedByChance();
}
