// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>

class TFrameWindow;

// The window's commands for saving and opening the tank and for watching it, each a
// window-menu entry whose key works without opening the menu. The values follow the About
// and speed commands.
constexpr unsigned kPauseCommand = 3;
constexpr unsigned kStepCommand = 4;
constexpr unsigned kCensusCommand = 5;
constexpr unsigned kMuteCommand = 6;
constexpr unsigned kFullScreenCommand = 7;
// Zoom N is kZoomCommand + N - 1, for N from 1 to kMaxZoom.
constexpr unsigned kZoomCommand = 8;
constexpr unsigned kSaveTankCommand = 12;
constexpr unsigned kOpenTankCommand = 13;

// Appends the entries to the window menu, each group after a separator, and binds their keys.
void AddWatchCommands(TFrameWindow& window, int maxZoom);

// The caption of the main window: its title, marked while the tank is paused.
std::string Caption(const std::string& title, bool paused);
