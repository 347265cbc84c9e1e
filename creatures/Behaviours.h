// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "creatures/Ikimono.h"

// The six behaviour classes. Each species derives from one of them or from TIKIMONO
// itself; a behaviour changes how a creature is drawn (Show), one or more of the hooks of
// the step, or both. Every kind but the base breeds on a plain 1-in-BreedRate draw.

// Fish that swim without pause and now and then dash: a dash doubles DX until a bounce
// re-aims it. Their right edge is strict, so a fish can rest flush against it.
class TSAKANA : public TIKIMONO {
public:
    TSAKANA(TTankView* view, TIKIMONO* parent) : TIKIMONO(view, parent) {}

protected:
    void Advance() override;
    void AfterMove() override;
    bool Breeds() override { return BreedsByChance(); }
};

// Flappers: two frames that alternate on every drawing, whichever way they swim. They
// step by the base rule.
class TBATABATA : public TIKIMONO {
public:
    TBATABATA(TTankView* view, TIKIMONO* parent) : TIKIMONO(view, parent) {}

    void Show() override;

    int Frame = 0;
};

// Walkers along the bottom: act on about half the ticks, climb at a quarter of their
// horizontal rate, and turn every 40 moves. Frames 0 and 1 face left, 2 and 3 right.
class TARUKU : public TIKIMONO {
public:
    TARUKU(TTankView* view, TIKIMONO* parent) : TIKIMONO(view, parent) {}

    void Show() override;

    int Frame = 0;

protected:
    bool SkipsThisTick() override;
    void Advance() override;
    void AfterMove() override;
    bool Breeds() override { return BreedsByChance(); }
};

// Quiet ones with a single picture. They step by the base rule.
class TSHIZUKA : public TIKIMONO {
public:
    TSHIZUKA(TTankView* view, TIKIMONO* parent) : TIKIMONO(view, parent) {}

    void Show() override;
};

// Sideways walkers: flap like TBATABATA, act on about two ticks in three and turn often.
class TYOKO : public TBATABATA {
public:
    TYOKO(TTankView* view, TIKIMONO* parent) : TBATABATA(view, parent) {}

protected:
    bool SkipsThisTick() override;
    void AfterMove() override;
    bool Breeds() override { return BreedsByChance(); }
};

// Tail-wavers: act on about three ticks in four; run a few moves, then pause a few steps
// wagging the tail between two frames, turning only when a pause ends (or at a bounce).
class TSHIPPO : public TIKIMONO {
public:
    TSHIPPO(TTankView* view, TIKIMONO* parent) : TIKIMONO(view, parent) {}

    void Show() override;

    int RunSteps = 5;
    int PauseSteps = 0;
    int TailFrame = 1;

protected:
    bool SkipsThisTick() override;
    void Advance() override;
    // Nothing follows the move: a tail-waver turns only when a pause ends.
    void AfterMove() override {}
    bool Breeds() override { return BreedsByChance(); }
};
