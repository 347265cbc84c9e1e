// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "creatures/World.h"

#include <algorithm>
#include <array>
#include <climits>

// a + b held to the int range. Genes and individual values may be edited to anything in
// that range, so every sum that reads one stops at the nearer limit instead of overflowing.
constexpr int SaturatingAdd(int a, int b)
{
    return int(std::clamp((long long)a + b, (long long)INT_MIN, (long long)INT_MAX));
}

// What a step asks of the tick.
enum TStepResult : int { STEP_LIVE = 0, STEP_DIE = 1, STEP_BREED = 2 };

// A living thing in the tank: its individual values, its genes and the two operations
// through which the tick drives it. Construction without a parent makes a founder at a
// random place; with a parent, a child where the parent is, carrying its genes. The
// species catalogue completes either one before its first step.
class TIKIMONO {
public:
    static constexpr int kMaxFrames = 8;
    static constexpr int kFamilyNameSize = 40;

    TIKIMONO(TTankView* view, TIKIMONO* parent);
    // Virtual so that a species object owned through a TIKIMONO pointer is destroyed whole.
    virtual ~TIKIMONO();
    TIKIMONO(const TIKIMONO&) = delete;
    TIKIMONO& operator=(const TIKIMONO&) = delete;

    // Picks this moment's frame and draws it once.
    virtual void Show();
    // One simulation step, the same for every kind: the skip test, the life test, erase,
    // the move, show, one step older, what follows the move, the breeding test. The kinds
    // differ only in the four hooks below. Returns STEP_LIVE, STEP_DIE or STEP_BREED.
    TStepResult Step();

    // Fresh random velocity on both axes, -15 to 14 each.
    void ReAim();
    // Advances by DX, DY scaled by Speed over the divisors, bouncing off the tank's edges.
    void Move(int divisorX, int divisorY, bool strictRightEdge);
    // Paints the background over what the last drawing covered.
    void Erase();
    // Counts one more drawing in Age (held at its largest value), then draws the bitmap at
    // the size that Age gives.
    void DrawBitmap(HBITMAP bitmap);
    // The window rectangle a drawing at the current Age covers; false when it is out of view.
    bool DrawnArea(TRect& area) const;
    // Draws again the picture the last drawing showed (the first frame before any), where
    // the creature is now, without counting Age: for a tank that stands still.
    void Redraw();

    TTankView* const View;
    TIKIMONO* Parent;
    int X = 0;
    int Y = 0;
    int DX = 0;
    int DY = 0;
    int Species = 0;
    std::array<HBITMAP, kMaxFrames> Bitmaps{};
    int FrameCount = 0;
    int Width = 0;
    int Height = 0;
    int Giant = 0;
    unsigned int Age = 0;
    char FamilyName[kFamilyNameSize] = {};
    int RemainingLife = 0;
    int BreedRate = 0;
    int Speed = 0;
    int GeneLifespan = 0;
    int GeneBreedRate = 0;
    int GeneSpeed = 0;
    int GeneGrowth = 0;
    int Generation = 0;

protected:
    // True when the creature sits this tick out: nothing moves, ages, dies or breeds.
    // The base rule never does.
    virtual bool SkipsThisTick() { return false; }
    // The move of an acting step: Move(100, 100, false) for the base rule.
    virtual void Advance();
    // What follows the move once RemainingLife is one lower: for the base rule, a re-aim
    // on one draw in 400.
    virtual void AfterMove();
    // The breeding test: for the base rule, a draw that matches RemainingLife modulo BreedRate.
    virtual bool Breeds();

    TRandom& Random() const;
    // Odds of one in BreedRate; the remainder's divisor is kept at least 1.
    int BreedOdds() const { return BreedRate > 0 ? BreedRate : 1; }
    // The breeding test of every rule but the base one: a draw of 0 modulo BreedRate.
    bool BreedsByChance();

private:
    // Kept from the view at construction: a creature never changes tanks, and closing
    // must still read ClosingFlag while the window itself is going away.
    TWorld& World_;
    HBITMAP Shown_ = nullptr;
    // The area a step's old picture covers, waiting to be wiped.
    TRect Uncovered_;

    void Blit(HBITMAP source, const TRect& area);
    // Whether a drawing of the bitmap writes every pixel of the creature's area.
    bool Covers(HBITMAP bitmap) const;
    // Wipes what waits to be wiped, except where kept lies, and forgets it.
    void EraseUncovered(const TRect& kept);
};
