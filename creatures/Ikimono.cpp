// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "creatures/Ikimono.h"

#include <cstring>

namespace {

// A draw modulo a size that should never be 0; a degenerate tank puts founders at 0.
int DrawBelow(TRandom& random, int bound)
{
    const int value = random.rand();
    return bound > 0 ? value % bound : 0;
}

}  // namespace

TIKIMONO::TIKIMONO(TTankView* view, TIKIMONO* parent)
    : View(view), Parent(parent), World_(view->World())
{
    TRandom& random = Random();
    if (parent) {
        Species = parent->Species;
        X = parent->X;
        Y = parent->Y;
        GeneLifespan = parent->GeneLifespan;
        GeneBreedRate = parent->GeneBreedRate;
        GeneSpeed = parent->GeneSpeed;
        std::memcpy(FamilyName, parent->FamilyName, kFamilyNameSize);
        FamilyName[kFamilyNameSize - 1] = '\0';
        GeneGrowth = parent->GeneGrowth;
        Generation = SaturatingAdd(parent->Generation, 1);
    } else {
        X = DrawBelow(random, World_.ScreenWidth);
        Y = DrawBelow(random, World_.ScreenHeight);
        GeneGrowth = 10;
        Generation = 1;
    }
    DX = random.rand() % 32 - 16;
    DY = random.rand() % 32 - 16;
    if (DX == 0)
        DX = 1;
    if (DY == 0)
        DY = 1;
    Age = 0;
    Giant = random.LongRand() % 10000 == 10 ? 1 : 0;
}

TIKIMONO::~TIKIMONO()
{
    if (!World_.ClosingFlag)
        Erase();
}

TRandom& TIKIMONO::Random() const
{
    return World_.Random;
}

void TIKIMONO::Show()
{
    DrawBitmap(Bitmaps[DX < 0 ? 0 : 1]);
}

TStepResult TIKIMONO::Step()
{
    if (SkipsThisTick())
        return STEP_LIVE;
    if (RemainingLife <= 0)
        return STEP_DIE;
    // The old picture is wiped just before the new one is drawn, and only where the new
    // one does not cover it: the same pixels as wiping it all first, with fewer writes.
    TRect before;
    Uncovered_ = DrawnArea(before) ? before : TRect{};
    Advance();
    Show();
    EraseUncovered(TRect{});
    --RemainingLife;
    AfterMove();
    return Breeds() ? STEP_BREED : STEP_LIVE;
}

void TIKIMONO::Advance()
{
    Move(100, 100, false);
}

void TIKIMONO::AfterMove()
{
    if (Random().rand() % 400 == 0)
        ReAim();
}

bool TIKIMONO::Breeds()
{
    return Random().rand() % BreedOdds() == RemainingLife % BreedOdds();
}

bool TIKIMONO::BreedsByChance()
{
    return Random().rand() % BreedOdds() == 0;
}

void TIKIMONO::ReAim()
{
    TRandom& random = Random();
    DX = random.rand() % 30 - 15;
    DY = random.rand() % 30 - 15;
}

void TIKIMONO::Move(int divisorX, int divisorY, bool strictRightEdge)
{
    // 64-bit throughout: DX (doubled by dashes) and Speed may each lie anywhere in the int
    // range, so their product may not fit an int. Every bounce re-aims at once, so a
    // bounce on X changes the DY used below.
    const long long screenWidth = World_.ScreenWidth;
    const long long screenHeight = World_.ScreenHeight;

    long long x = X + (long long)DX * Speed / divisorX;
    if (strictRightEdge ? x + Width > screenWidth : x + Width >= screenWidth) {
        x = screenWidth - Width;
        ReAim();
    }
    if (x <= 0) {
        x = 0;
        ReAim();
    }
    X = int(x);

    // The bottom 16 pixels of the tank are never entered.
    long long y = Y + (long long)DY * Speed / divisorY;
    if (y + Height + 16 >= screenHeight) {
        y = screenHeight - Height - 16;
        ReAim();
    }
    if (y <= 0) {
        y = 0;
        ReAim();
    }
    Y = int(y);
}
