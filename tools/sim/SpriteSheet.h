// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "base/gfx/Bitmap.h"

struct TTank;

// Every sprite of the tank, enlarged four times and labelled with its name and size
// ("KAPPA3 16x32"), in a grid on the water colour, in set order.
TBitmap ComposeSpriteSheet(const TTank& tank);
