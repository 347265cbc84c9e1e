// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "creatures/Behaviours.h"
#include "creatures/Ikimono.h"

// The twenty species. Each takes its behaviour from its base; what tells them apart
// (name, genes, size, pictures) is filled in by the species catalogue.

// Goldfish.
class GYOPI : public TSAKANA {
public:
    GYOPI(TTankView* view, TIKIMONO* parent) : TSAKANA(view, parent) {}
};

// Seahorse.
class TATU : public TIKIMONO {
public:
    TATU(TTankView* view, TIKIMONO* parent) : TIKIMONO(view, parent) {}
};

// Crocodile fish.
class WANIUO : public TIKIMONO {
public:
    WANIUO(TTankView* view, TIKIMONO* parent) : TIKIMONO(view, parent) {}
};

// Squid.
class IKA : public TBATABATA {
public:
    IKA(TTankView* view, TIKIMONO* parent) : TBATABATA(view, parent) {}
};

// Submarine.
class SUB : public TIKIMONO {
public:
    SUB(TTankView* view, TIKIMONO* parent) : TIKIMONO(view, parent) {}
};

// Strange fish.
class HIRAME : public TIKIMONO {
public:
    HIRAME(TTankView* view, TIKIMONO* parent) : TIKIMONO(view, parent) {}
};

// Starfish.
class HITODE : public TBATABATA {
public:
    HITODE(TTankView* view, TIKIMONO* parent) : TBATABATA(view, parent) {}
};

class BARG : public TBATABATA {
public:
    BARG(TTankView* view, TIKIMONO* parent) : TBATABATA(view, parent) {}
};

// Bone fish.
class HONEUO : public TSAKANA {
public:
    HONEUO(TTankView* view, TIKIMONO* parent) : TSAKANA(view, parent) {}
};

// Butterflyfish.
class CHOUCHOU : public TSAKANA {
public:
    CHOUCHOU(TTankView* view, TIKIMONO* parent) : TSAKANA(view, parent) {}
};

// Kappa.
class KAPPA : public TARUKU {
public:
    KAPPA(TTankView* view, TIKIMONO* parent) : TARUKU(view, parent) {}
};

// Octopus.
class TAKO : public TBATABATA {
public:
    TAKO(TTankView* view, TIKIMONO* parent) : TBATABATA(view, parent) {}
};

// Jellyfish.
class KURAGE : public TBATABATA {
public:
    KURAGE(TTankView* view, TIKIMONO* parent) : TBATABATA(view, parent) {}
};

// Clownfish.
class KUMANOMI : public TIKIMONO {
public:
    KUMANOMI(TTankView* view, TIKIMONO* parent) : TIKIMONO(view, parent) {}
};

// Sea urchin.
class UNI : public TSHIZUKA {
public:
    UNI(TTankView* view, TIKIMONO* parent) : TSHIZUKA(view, parent) {}
};

// Moss ball.
class MARIMO : public TSHIZUKA {
public:
    MARIMO(TTankView* view, TIKIMONO* parent) : TSHIZUKA(view, parent) {}
};

// Mud snail.
class KAI : public TARUKU {
public:
    KAI(TTankView* view, TIKIMONO* parent) : TARUKU(view, parent) {}
};

// Crab.
class KANI : public TYOKO {
public:
    KANI(TTankView* view, TIKIMONO* parent) : TYOKO(view, parent) {}
};

// Whale.
class KUJIRA : public TIKIMONO {
public:
    KUJIRA(TTankView* view, TIKIMONO* parent) : TIKIMONO(view, parent) {}
};

// Horseshoe crab.
class KABUTO : public TSHIPPO {
public:
    KABUTO(TTankView* view, TIKIMONO* parent) : TSHIPPO(view, parent) {}
};
