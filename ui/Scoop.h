// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/services/Cursor.h"

class TTankWindow;
class TWindow;
struct TWaveSound;

// The left button swings the net: the cursor turns over at once, and every creature under
// the pointer leaves the tank, erased from the picture, each with the squelch. The release
// puts the net back to rest.
void ScoopPress(TWindow& window, TTankWindow& tankWindow, HCURSOR scooping, const TWaveSound& squelch,
                int clientX, int clientY);
void ScoopRelease(TWindow& window, HCURSOR resting);
