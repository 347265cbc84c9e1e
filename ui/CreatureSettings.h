#pragma once

class TTankWindow;
class TWindow;

// The right button on a creature: the simulation stands still while the first creature
// under the pointer is shown and edited in "生き物設定"; the values come back to it however
// the dialog ended, and the timer starts again with timerInterval.
void OpenCreatureSettings(TWindow& window, TTankWindow& tankWindow, int timerInterval, int clientX, int clientY);
