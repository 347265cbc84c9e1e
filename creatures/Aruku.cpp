#include "creatures/Aruku.h"

#include "base/random/Random.h"

void TARUKU::Show()
{
    Frame = Frame == 0 ? 1 : 0;
    DrawBitmap(Bitmaps[DX < 0 ? Frame : 2 + Frame]);
}

TStepResult TARUKU::Step()
{
    if (Random().rand() % 2 == 0)
        return STEP_LIVE;
    if (RemainingLife <= 0)
        return STEP_DIE;
    Erase();
    Move(100, 400, false);
    Show();
    --RemainingLife;
    if (RemainingLife % 40 == 0)
        ReAim();
    return BreedByChance();
}
