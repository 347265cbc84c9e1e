#pragma once

#include "creatures/Aruku.h"
#include "creatures/Batabata.h"
#include "creatures/Ikimono.h"
#include "creatures/Sakana.h"
#include "creatures/Shippo.h"
#include "creatures/Shizuka.h"
#include "creatures/Yoko.h"

// The twenty species. Each takes its behaviour from its base; what tells them apart
// (name, genes, size, pictures) is filled in by the species catalogue.

// Goldfish.
class GYOPI : public TSAKANA {
public:
    GYOPI(TTankWindow* window, TIKIMONO* parent) : TSAKANA(window, parent) {}
};

// Seahorse.
class TATU : public TIKIMONO {
public:
    TATU(TTankWindow* window, TIKIMONO* parent) : TIKIMONO(window, parent) {}
};

// Crocodile fish.
class WANIUO : public TIKIMONO {
public:
    WANIUO(TTankWindow* window, TIKIMONO* parent) : TIKIMONO(window, parent) {}
};

// Squid.
class IKA : public TBATABATA {
public:
    IKA(TTankWindow* window, TIKIMONO* parent) : TBATABATA(window, parent) {}
};

// Submarine.
class SUB : public TIKIMONO {
public:
    SUB(TTankWindow* window, TIKIMONO* parent) : TIKIMONO(window, parent) {}
};

// Strange fish.
class HIRAME : public TIKIMONO {
public:
    HIRAME(TTankWindow* window, TIKIMONO* parent) : TIKIMONO(window, parent) {}
};

// Starfish.
class HITODE : public TBATABATA {
public:
    HITODE(TTankWindow* window, TIKIMONO* parent) : TBATABATA(window, parent) {}
};

class BARG : public TBATABATA {
public:
    BARG(TTankWindow* window, TIKIMONO* parent) : TBATABATA(window, parent) {}
};

// Bone fish.
class HONEUO : public TSAKANA {
public:
    HONEUO(TTankWindow* window, TIKIMONO* parent) : TSAKANA(window, parent) {}
};

// Butterflyfish.
class CHOUCHOU : public TSAKANA {
public:
    CHOUCHOU(TTankWindow* window, TIKIMONO* parent) : TSAKANA(window, parent) {}
};

// Kappa.
class KAPPA : public TARUKU {
public:
    KAPPA(TTankWindow* window, TIKIMONO* parent) : TARUKU(window, parent) {}
};

// Octopus.
class TAKO : public TBATABATA {
public:
    TAKO(TTankWindow* window, TIKIMONO* parent) : TBATABATA(window, parent) {}
};

// Jellyfish.
class KURAGE : public TBATABATA {
public:
    KURAGE(TTankWindow* window, TIKIMONO* parent) : TBATABATA(window, parent) {}
};

// Clownfish.
class KUMANOMI : public TIKIMONO {
public:
    KUMANOMI(TTankWindow* window, TIKIMONO* parent) : TIKIMONO(window, parent) {}
};

// Sea urchin.
class UNI : public TSHIZUKA {
public:
    UNI(TTankWindow* window, TIKIMONO* parent) : TSHIZUKA(window, parent) {}
};

// Moss ball.
class MARIMO : public TSHIZUKA {
public:
    MARIMO(TTankWindow* window, TIKIMONO* parent) : TSHIZUKA(window, parent) {}
};

// Mud snail.
class KAI : public TARUKU {
public:
    KAI(TTankWindow* window, TIKIMONO* parent) : TARUKU(window, parent) {}
};

// Crab.
class KANI : public TYOKO {
public:
    KANI(TTankWindow* window, TIKIMONO* parent) : TYOKO(window, parent) {}
};

// Whale.
class KUJIRA : public TIKIMONO {
public:
    KUJIRA(TTankWindow* window, TIKIMONO* parent) : TIKIMONO(window, parent) {}
};

// Horseshoe crab.
class KABUTO : public TSHIPPO {
public:
    KABUTO(TTankWindow* window, TIKIMONO* parent) : TSHIPPO(window, parent) {}
};
