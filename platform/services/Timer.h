// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

class TWindow;

// Starts (or restarts) timer `id` on the window, delivering WM_TIMER every `milliseconds`.
// Returns the id, or 0 when no timer could be started.
unsigned SetTimer(TWindow* window, unsigned id, unsigned milliseconds);
bool KillTimer(TWindow* window, unsigned id);
