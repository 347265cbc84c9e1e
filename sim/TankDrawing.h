// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

class TTankWindow;

// The two drawing contexts creatures draw through, held for one tick or one removal:
// takes the window's context and a compatible memory context into the tank, and at the
// end deletes the memory context, releases the window's and clears both, so that
// nothing can draw outside that span.
class TTankDrawing {
public:
    explicit TTankDrawing(TTankWindow& window);
    ~TTankDrawing();
    TTankDrawing(const TTankDrawing&) = delete;
    TTankDrawing& operator=(const TTankDrawing&) = delete;

private:
    TTankWindow& Window_;
};

// Draws every creature of the used slots again as it was last shown, in slot order, with
// no step and no random draw: what a paused tank shows after its window changed.
void RedrawCreatures(TTankWindow& window);
