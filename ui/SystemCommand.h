// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

struct TWaveSound;
class TWindow;

// The window's own system commands.
constexpr unsigned kAboutCommand = 1;
constexpr unsigned kSpeedCommand = 2;

// What the window does itself for a system command, before the default processing:
// "About..." plays the swish and shows the About box with the run's seed, "速さ..." runs the
// speed dialog. Every other command needs nothing here. The speed dialog sets timerInterval.
void RunOwnSystemCommand(TWindow& window, int& timerInterval, unsigned command, const TWaveSound& swish,
                         std::uint32_t seed);
