#include "creatures/Shippo.h"

#include "base/random/Random.h"

void TSHIPPO::Show()
{
    if (RunSteps > 0) {
        DrawBitmap(Bitmaps[0]);
    } else if (TailFrame == 1) {
        DrawBitmap(Bitmaps[1]);
        TailFrame = 2;
    } else {
        DrawBitmap(Bitmaps[2]);
        TailFrame = 1;
    }
}

TStepResult TSHIPPO::Step()
{
    TRandom& random = Random();
    if (random.rand() % 4 == 0)
        return STEP_LIVE;
    if (RemainingLife <= 0)
        return STEP_DIE;
    Erase();
    if (RunSteps > 0) {
        Move(100, 100, false);
        if (--RunSteps == 0)
            PauseSteps = random.rand() % 10 + 3;
    } else if (PauseSteps > 0 && --PauseSteps == 0) {
        ReAim();
        RunSteps = random.rand() % 5 + 3;
    }
    // A pausing creature stays put but is still redrawn, aged and may breed.
    Show();
    --RemainingLife;
    return BreedByChance();
}
