// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "creatures/Behaviours.h"

namespace {

// The two-frame beat of flappers and walkers: 0 becomes 1, anything else 0.
int Flipped(int frame)
{
    return frame == 0 ? 1 : 0;
}

}  // namespace

void TSAKANA::Advance()
{
    Move(100, 100, true);
}

void TSAKANA::AfterMove()
{
    // Repeated dashes keep doubling, up to the int range.
    if (Random().rand() % 40 == 0)
        DX = SaturatingAdd(DX, DX);
}

void TBATABATA::Show()
{
    Frame = Flipped(Frame);
    DrawBitmap(Bitmaps[Frame]);
}

void TARUKU::Show()
{
    Frame = Flipped(Frame);
    DrawBitmap(Bitmaps[DX < 0 ? Frame : 2 + Frame]);
}

bool TARUKU::SkipsThisTick()
{
    return Random().rand() % 2 == 0;
}

void TARUKU::Advance()
{
    Move(100, 400, false);
}

void TARUKU::AfterMove()
{
    // Every 40 moves by the life count, 0 included; no draw decides it.
    if (RemainingLife % 40 == 0)
        ReAim();
}

void TSHIZUKA::Show()
{
    DrawBitmap(Bitmaps[0]);
}

bool TYOKO::SkipsThisTick()
{
    return Random().rand() % 3 == 0;
}

void TYOKO::AfterMove()
{
    if (Random().rand() % 20 == 0)
        ReAim();
}

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

bool TSHIPPO::SkipsThisTick()
{
    return Random().rand() % 4 == 0;
}

// A pausing creature stays put, though the step still redraws it, ages it and may let it
// breed; the pause ends with a turn and a new run.
void TSHIPPO::Advance()
{
    TRandom& random = Random();
    if (RunSteps > 0) {
        Move(100, 100, false);
        if (--RunSteps == 0)
            PauseSteps = random.rand() % 10 + 3;
    } else if (PauseSteps > 0 && --PauseSteps == 0) {
        ReAim();
        RunSteps = random.rand() % 5 + 3;
    }
}
